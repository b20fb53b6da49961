#include "ui/deletion_options_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QVBoxLayout>

namespace vemo {

CDeletionOptionsDlg::CDeletionOptionsDlg(QWidget* parent, Workbench& wb)
    : CFieldDialog(parent, "Dialog") {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(bind_check("Precursors only", &wb.precursors_only));
  layout->addWidget(make_ok_cancel());
}

}  // namespace vemo
