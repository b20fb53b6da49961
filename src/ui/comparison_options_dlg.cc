#include "ui/comparison_options_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace vemo {

CComparisonOptionsDlg::CComparisonOptionsDlg(QWidget* parent, Workbench& wb)
    : CFieldDialog(parent, "Dialog") {
  QFormLayout* form =
      setting_form(wb, {{"Second Reaction File:", "second_reactions_file"},
                        {"Increased Display Threshold", "compare.increased_threshold"},
                        {"Decreased (1/X) Display Threshold", "compare.decreased_threshold"}});
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(
      bind_check("Relative to growth yield", &wb.tools.comparison.relative_to_growth));
  layout->addWidget(make_ok_cancel());
}

}  // namespace vemo
