#include "ui/file_error_dlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vemo {

CFileErrorDlg::CFileErrorDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle("ERROR !!!");
  setModal(true);
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OK");
  ok->setDefault(true);
  auto* retry = new QPushButton("Re-try", this);
  retry->setObjectName("Re-try");
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(retry, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(retry);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Error opening a file !!!", this));
  layout->addLayout(buttons);
}

bool CFileErrorDlg::ask_retry(QWidget* parent) {
  CFileErrorDlg dialog(parent);
  return dialog.exec() != QDialog::Accepted;
}

}  // namespace vemo
