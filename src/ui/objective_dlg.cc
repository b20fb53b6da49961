#include "ui/objective_dlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/objective_choice.h"

namespace vemo {

CObjectiveDlg::CObjectiveDlg(QWidget* parent, Workbench& wb) : CFieldDialog(parent, "Dialog") {
  auto* group_box = new QGroupBox("Objective Function", this);
  auto* grid = new QGridLayout(group_box);
  constexpr int kRowsPerColumn = 9;
  std::vector<QRadioButton*> buttons;
  for (const ObjectiveOption& option : kObjectiveOptions) {
    const int k = static_cast<int>(buttons.size());
    auto* button = new QRadioButton(option.label, group_box);
    grid->addWidget(button, k % kRowsPerColumn, k / kRowsPerColumn);
    buttons.push_back(button);
  }
  bind_radio_group(buttons, &wb.model.objective_choice);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group_box);
  layout->addWidget(make_ok_cancel());
}

}  // namespace vemo
