// "Select files ...": the names of the reactions file and of every report and input file, and
// whether the optimisation asks for range (sensitivity) analysis.
#ifndef VEMO_UI_FILES_DLG_H_
#define VEMO_UI_FILES_DLG_H_

#include "model/workbench.h"
#include "ui/field_dialog.h"

namespace vemo {

class CFilesDlg : public CFieldDialog {
  Q_OBJECT

 public:
  CFilesDlg(QWidget* parent, Workbench& wb);
};

}  // namespace vemo

#endif  // VEMO_UI_FILES_DLG_H_
