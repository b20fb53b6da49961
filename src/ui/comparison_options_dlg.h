// "Options ..." of the comparison menu: the second reactions file, the two display thresholds and
// whether the fluxes are compared relative to the growth.
#ifndef VEMO_UI_COMPARISON_OPTIONS_DLG_H_
#define VEMO_UI_COMPARISON_OPTIONS_DLG_H_

#include "model/workbench.h"
#include "ui/field_dialog.h"

namespace vemo {

class CComparisonOptionsDlg : public CFieldDialog {
  Q_OBJECT

 public:
  CComparisonOptionsDlg(QWidget* parent, Workbench& wb);
};

}  // namespace vemo

#endif  // VEMO_UI_COMPARISON_OPTIONS_DLG_H_
