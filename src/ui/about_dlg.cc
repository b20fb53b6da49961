#include "ui/about_dlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vemo {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle("About Vemo");
  setModal(true);
  auto* ok = new QPushButton("OK", this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(ok);
  buttons->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(new QLabel("Vemo Version 2.0", this), 1, Qt::AlignTop);
  layout->addLayout(buttons);
  setMinimumSize(280, 110);
}

}  // namespace vemo
