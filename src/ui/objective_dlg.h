// "Objective Function ...": chooses what the next Read Data installs as the objective.
#ifndef VEMO_UI_OBJECTIVE_DLG_H_
#define VEMO_UI_OBJECTIVE_DLG_H_

#include "model/workbench.h"
#include "ui/field_dialog.h"

namespace vemo {

class CObjectiveDlg : public CFieldDialog {
  Q_OBJECT

 public:
  CObjectiveDlg(QWidget* parent, Workbench& wb);
};

}  // namespace vemo

#endif  // VEMO_UI_OBJECTIVE_DLG_H_
