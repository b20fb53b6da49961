// The scans' option dialogs: "Phase Plot Parameters" (CPhasePlotParametersDlg), "Isocline
// Options" (CIsoclineOptionsDlg) and the robustness parameters (CRobustnessParamsDlg).
#ifndef VEMO_UI_SCAN_OPTION_DLGS_H_
#define VEMO_UI_SCAN_OPTION_DLGS_H_

#include "model/workbench.h"
#include "ui/field_dialog.h"

class QFormLayout;

namespace vemo {

// On "OK" the final values below their initial values are corrected and the phase portrait's
// limits follow the ranges.
class CPhasePlotParametersDlg : public CFieldDialog {
  Q_OBJECT

 public:
  CPhasePlotParametersDlg(QWidget* parent, Workbench& wb);
  void accept() override;

 private:
  Workbench& wb_;
};

class CIsoclineOptionsDlg : public CFieldDialog {
  Q_OBJECT

 public:
  CIsoclineOptionsDlg(QWidget* parent, Workbench& wb);
};

class CRobustnessParamsDlg : public CFieldDialog {
  Q_OBJECT

 public:
  CRobustnessParamsDlg(QWidget* parent, Workbench& wb);
};

}  // namespace vemo

#endif  // VEMO_UI_SCAN_OPTION_DLGS_H_
