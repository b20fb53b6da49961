// The map options: "Scale ..." (CScaleDlg), "Font Size ..." (CFontSizeDlg) and
// "Display Options ..." (CDisplayOptionsDlg).
#ifndef VEMO_UI_MAP_OPTION_DLGS_H_
#define VEMO_UI_MAP_OPTION_DLGS_H_

#include "model/workbench.h"
#include "ui/field_dialog.h"

namespace vemo {

// The drawing scale, 0.2 to 2.0; starts at 1.0 when the scale is 0. Stores into wb on "OK".
class CScaleDlg : public CFieldDialog {
  Q_OBJECT

 public:
  CScaleDlg(QWidget* parent, Workbench& wb);
  void accept() override;

 private:
  Workbench& wb_;
  float scale_;
};

// The map font size, 1 to 28; starts at 11 when the size is 0. Stores into wb on "OK".
class CFontSizeDlg : public CFieldDialog {
  Q_OBJECT

 public:
  CFontSizeDlg(QWidget* parent, Workbench& wb);
  void accept() override;

 private:
  Workbench& wb_;
  int size_;
};

// Colouring of zero-flux arrows by reduced cost and of labels by shadow price.
class CDisplayOptionsDlg : public CFieldDialog {
  Q_OBJECT

 public:
  CDisplayOptionsDlg(QWidget* parent, Workbench& wb);
};

}  // namespace vemo

#endif  // VEMO_UI_MAP_OPTION_DLGS_H_
