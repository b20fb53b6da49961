// "Options ..." of the deletion menu: whether the detailed deletions measure the 15 central
// precursors only or the full list.
#ifndef VEMO_UI_DELETION_OPTIONS_DLG_H_
#define VEMO_UI_DELETION_OPTIONS_DLG_H_

#include "model/workbench.h"
#include "ui/field_dialog.h"

namespace vemo {

class CDeletionOptionsDlg : public CFieldDialog {
  Q_OBJECT

 public:
  CDeletionOptionsDlg(QWidget* parent, Workbench& wb);
};

}  // namespace vemo

#endif  // VEMO_UI_DELETION_OPTIONS_DLG_H_
