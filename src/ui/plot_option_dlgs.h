// The diagrams' option dialogs: "Phase Plot Options" (CPhasePlotOptionsDlg), "Robust Plot
// Parameters" (CRobustPlotParametersDlg) and the isocline diagram's options
// (CIsoclinePlotOptionsDlg).
#ifndef VEMO_UI_PLOT_OPTION_DLGS_H_
#define VEMO_UI_PLOT_OPTION_DLGS_H_

#include "model/workbench.h"
#include "ui/field_dialog.h"

namespace vemo {

class CPhasePlotOptionsDlg : public CFieldDialog {
  Q_OBJECT

 public:
  CPhasePlotOptionsDlg(QWidget* parent, Workbench& wb);
};

class CRobustPlotParametersDlg : public CFieldDialog {
  Q_OBJECT

 public:
  CRobustPlotParametersDlg(QWidget* parent, Workbench& wb);
};

class CIsoclinePlotOptionsDlg : public CFieldDialog {
  Q_OBJECT

 public:
  CIsoclinePlotOptionsDlg(QWidget* parent, Workbench& wb);
};

}  // namespace vemo

#endif  // VEMO_UI_PLOT_OPTION_DLGS_H_
