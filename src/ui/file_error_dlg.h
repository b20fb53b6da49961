// The modal "ERROR !!!" dialog shown when a file cannot be opened: "OK" gives up the command,
// "Re-try" (and any other way of closing) tries to open the file again.
#ifndef VEMO_UI_FILE_ERROR_DLG_H_
#define VEMO_UI_FILE_ERROR_DLG_H_

#include <QDialog>

namespace vemo {

class CFileErrorDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CFileErrorDlg(QWidget* parent);

  // Shows the dialog; true when the user wants to try again.
  static bool ask_retry(QWidget* parent);
};

}  // namespace vemo

#endif  // VEMO_UI_FILE_ERROR_DLG_H_
