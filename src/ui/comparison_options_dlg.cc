#include "ui/comparison_options_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vemo {

CComparisonOptionsDlg::CComparisonOptionsDlg(QWidget* parent, Workbench& wb)
    : CFieldDialog(parent, "Dialog") {
  ComparisonSettings& c = wb.tools.comparison;
  struct Row {
    const char* label;
    SettingField field;
  };
  const Row rows[] = {
      {"Second Reaction File:",
       SettingField::text_field("second_reactions_file", &wb.settings.second_reactions_file)},
      {"Increased Display Threshold",
       SettingField::any_number_field("increased_threshold", &c.increased_threshold)},
      {"Decreased (1/X) Display Threshold",
       SettingField::any_number_field("decreased_threshold", &c.decreased_threshold)},
  };
  auto* form = new QFormLayout;
  for (const Row& row : rows) {
    QLineEdit* edit = bind_edit(row.field);
    edit->setObjectName(row.label);
    form->addRow(row.label, edit);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(bind_check("Relative to growth yield", &c.relative_to_growth));
  layout->addWidget(make_ok_cancel());
}

}  // namespace vemo
