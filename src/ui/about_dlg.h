// The About box.
#ifndef VEMO_UI_ABOUT_DLG_H_
#define VEMO_UI_ABOUT_DLG_H_

#include <QDialog>

namespace vemo {

class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent);
};

}  // namespace vemo

#endif  // VEMO_UI_ABOUT_DLG_H_
