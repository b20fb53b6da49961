#include "ui/field_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

namespace vemo {

QString field_text(const SettingField& field) {
  switch (field.kind) {
    case SettingField::Kind::kText:
      return QString::fromStdString(*field.text);
    case SettingField::Kind::kInteger:
      return QString::number(*field.integer);
    case SettingField::Kind::kNumber:
      return QString::number(static_cast<double>(*field.number), 'g', 7);
  }
  return {};
}

CFieldDialog::CFieldDialog(QWidget* parent, const QString& caption) : QDialog(parent) {
  setWindowTitle(caption);
  setModal(true);
}

QLineEdit* CFieldDialog::bind_edit(const SettingField& field) {
  auto* edit = new QLineEdit(field_text(field), this);
  edits_.push_back({field, edit});
  return edit;
}

QFormLayout* CFieldDialog::setting_form(Workbench& wb, const SettingRows& rows,
                                        const std::string& prefix) {
  auto* form = new QFormLayout;
  for (const auto& [label, name] : rows) {
    // A name missing from the registry is a programming error that every dialog test shows.
    QLineEdit* edit = bind_edit(find_setting(wb, prefix + name).value());
    edit->setObjectName(label);
    form->addRow(label, edit);
  }
  return form;
}

QCheckBox* CFieldDialog::bind_check(const QString& label, int* flag) {
  auto* box = new QCheckBox(label, this);
  box->setChecked(*flag != 0);
  checks_.push_back({flag, box});
  return box;
}

QButtonGroup* CFieldDialog::bind_radio_group(const std::vector<QRadioButton*>& buttons,
                                             int* value) {
  auto* group = new QButtonGroup(this);
  for (size_t k = 0; k < buttons.size(); ++k) group->addButton(buttons[k], static_cast<int>(k));
  if (QAbstractButton* selected = group->button(*value)) selected->setChecked(true);
  radios_.push_back({value, group});
  return group;
}

QDialogButtonBox* CFieldDialog::make_ok_cancel() {
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  box->button(QDialogButtonBox::Ok)->setText("OK");
  box->button(QDialogButtonBox::Ok)->setDefault(true);
  box->button(QDialogButtonBox::Cancel)->setText("Cancel");
  connect(box, &QDialogButtonBox::accepted, this, &CFieldDialog::accept);
  connect(box, &QDialogButtonBox::rejected, this, &CFieldDialog::reject);
  return box;
}

void CFieldDialog::accept() {
  // Check everything before storing anything, so that a refused field leaves every setting as
  // it was.
  for (const EditBinding& b : edits_) {
    std::string scratch_text;
    int scratch_integer = 0;
    float scratch_number = 0.0f;
    SettingField scratch = b.field;
    scratch.text = &scratch_text;
    scratch.integer = &scratch_integer;
    scratch.number = &scratch_number;
    if (auto message = assign_field(scratch, b.edit->text().toStdString())) {
      QMessageBox::warning(this, "Vemo", QString::fromStdString(*message));
      b.edit->setFocus();
      b.edit->selectAll();
      return;
    }
  }
  for (const EditBinding& b : edits_) assign_field(b.field, b.edit->text().toStdString());
  for (const CheckBinding& b : checks_) *b.flag = b.box->isChecked() ? 1 : 0;
  for (const RadioBinding& b : radios_) {
    if (b.group->checkedId() >= 0) *b.value = b.group->checkedId();
  }
  QDialog::accept();
}

}  // namespace vemo
