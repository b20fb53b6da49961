// The one dialog mechanism of the desktop program: a modal dialog whose fields are bound to
// settings. Fields are filled from the settings when the dialog is built and stored back only on
// "OK", after every edit field has been validated with the standard messages ("Please enter an
// integer.", "Please enter a number between %1 and %2.", ...). A faulty field keeps the dialog
// open with the focus on it; "Cancel" and closing change nothing.
#ifndef VEMO_UI_FIELD_DIALOG_H_
#define VEMO_UI_FIELD_DIALOG_H_

#include <QDialog>
#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "model/setting_fields.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QDialogButtonBox;
class QFormLayout;
class QLineEdit;
class QRadioButton;

namespace vemo {

class CFieldDialog : public QDialog {
  Q_OBJECT

 public:
  // (label, setting name) rows of a form.
  using SettingRows = std::vector<std::pair<QString, std::string>>;

  CFieldDialog(QWidget* parent, const QString& caption);

  // Validates every edit field in the order bound; on success stores all fields and closes.
  void accept() override;

 protected:
  // An edit field showing the setting's value.
  QLineEdit* bind_edit(const SettingField& field);
  // A form of (label, setting name) rows, each an edit field bound to the registered setting
  // prefix + name, so that a dialog checks exactly the ranges "--set" checks. Each edit is named
  // after its label.
  QFormLayout* setting_form(Workbench& wb, const SettingRows& rows,
                            const std::string& prefix = std::string());
  // A check box showing a 0/1 flag.
  QCheckBox* bind_check(const QString& label, int* flag);
  // A radio group whose value is the position of the checked button in buttons.
  QButtonGroup* bind_radio_group(const std::vector<QRadioButton*>& buttons, int* value);
  // "OK" (default) and "Cancel", wired to accept and reject.
  QDialogButtonBox* make_ok_cancel();

 private:
  struct EditBinding {
    SettingField field;
    QLineEdit* edit;
  };
  struct CheckBinding {
    int* flag;
    QCheckBox* box;
  };
  struct RadioBinding {
    int* value;
    QButtonGroup* group;
  };

  std::vector<EditBinding> edits_;
  std::vector<CheckBinding> checks_;
  std::vector<RadioBinding> radios_;
};

// The text a setting shows in its edit field.
QString field_text(const SettingField& field);

}  // namespace vemo

#endif  // VEMO_UI_FIELD_DIALOG_H_
