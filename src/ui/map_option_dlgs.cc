#include "ui/map_option_dlgs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vemo {

namespace {

// A dialog with one labelled edit field above "OK" and "Cancel".
void lay_out_single_field(QDialog* dialog, const QString& label, QLineEdit* edit,
                          QDialogButtonBox* buttons) {
  auto* form = new QFormLayout;
  form->addRow(label, edit);
  auto* layout = new QVBoxLayout(dialog);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

}  // namespace

CScaleDlg::CScaleDlg(QWidget* parent, Workbench& wb)
    : CFieldDialog(parent, "Scale"), wb_(wb), scale_(wb.map_scale == 0.0f ? 1.0f : wb.map_scale) {
  lay_out_single_field(
      this, "Scale Size:", bind_edit(SettingField::number_field("scale", &scale_, 0.2, 2.0)),
      make_ok_cancel());
}

void CScaleDlg::accept() {
  CFieldDialog::accept();
  if (result() == QDialog::Accepted) wb_.map_scale = scale_;
}

CFontSizeDlg::CFontSizeDlg(QWidget* parent, Workbench& wb)
    : CFieldDialog(parent, "Font Size"),
      wb_(wb),
      size_(wb.map_font_size == 0 ? 11 : wb.map_font_size) {
  lay_out_single_field(this,
                       "Font Size:", bind_edit(SettingField::integer_field("size", &size_, 1, 28)),
                       make_ok_cancel());
}

void CFontSizeDlg::accept() {
  CFieldDialog::accept();
  if (result() == QDialog::Accepted) wb_.map_font_size = size_;
}

CDisplayOptionsDlg::CDisplayOptionsDlg(QWidget* parent, Workbench& wb)
    : CFieldDialog(parent, "Dialog") {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(bind_check("Display the &Fluxes with zero", &wb.color_fluxes));
  layout->addWidget(new QLabel("and negative reduced costs in a different color", this));
  layout->addWidget(bind_check("Display &Metabolites with zero,", &wb.color_metabolites));
  layout->addWidget(new QLabel("positive, and negative shadow prices in different colors", this));
  layout->addWidget(make_ok_cancel());
}

}  // namespace vemo
