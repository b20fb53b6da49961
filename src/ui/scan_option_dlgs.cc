#include "ui/scan_option_dlgs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>
#include <functional>
#include <initializer_list>

#include "analyses/phase_plane.h"

namespace vemo {

namespace {

using F = SettingField;

struct FieldRow {
  const char* label;
  SettingField field;
};

// A form of labelled edit fields; each edit is named after its label, for tests.
QFormLayout* form_of(std::initializer_list<FieldRow> rows,
                     const std::function<QLineEdit*(const SettingField&)>& bind) {
  auto* form = new QFormLayout;
  for (const FieldRow& row : rows) {
    QLineEdit* edit = bind(row.field);
    edit->setObjectName(row.label);
    form->addRow(row.label, edit);
  }
  return form;
}

}  // namespace

CPhasePlotParametersDlg::CPhasePlotParametersDlg(QWidget* parent, Workbench& wb)
    : CFieldDialog(parent, "Phase Plot Parameters"), wb_(wb) {
  PhasePlaneSettings& p = wb.phase;
  Settings& n = wb.settings;
  const auto bind = [this](const SettingField& f) { return bind_edit(f); };
  QFormLayout* ranges = form_of({{"Initial X Value", F::any_number_field("", &p.initial_x)},
                                 {"Final X Value", F::any_number_field("", &p.final_x)},
                                 {"Initial Y Value", F::any_number_field("", &p.initial_y)},
                                 {"Final Y Value", F::any_number_field("", &p.final_y)},
                                 {"X-Value Step Size", F::number_field("", &p.x_step, 0, 20)},
                                 {"Sensitivity", F::number_field("", &p.sensitivity, 0.0001, 1)}},
                                bind);
  QFormLayout* names = form_of({{"X-axis Flux", F::text_field("", &n.phase_x_flux)},
                                {"Y-axis Flux", F::text_field("", &n.phase_y_flux)},
                                {"X-axis Metabolite", F::text_field("", &n.phase_x_metabolite)},
                                {"Y-axis Metabolite", F::text_field("", &n.phase_y_metabolite)}},
                               bind);
  names->addRow(bind_check("Use Metabolite Data", &p.use_metabolite_data));
  names->addRow(bind_check("Filter Data", &p.filter_data));
  QFormLayout* third = form_of({{"z-axis Flux", F::text_field("", &n.phase_z_flux, kMaxNameLength)},
                                {"Z initial", F::number_field("", &p.z_initial, 0, 1000)},
                                {"Z step", F::number_field("", &p.z_step, 0.1, 100)},
                                {"Z final", F::number_field("", &p.z_final, 0, 1000)}},
                               bind);
  third->insertRow(0, bind_check("3-D PhPP", &p.three_d));
  auto* columns = new QHBoxLayout;
  columns->addLayout(ranges);
  columns->addLayout(names);
  columns->addLayout(third);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(make_ok_cancel());
}

void CPhasePlotParametersDlg::accept() {
  CFieldDialog::accept();
  if (result() == QDialog::Accepted) apply_phase_plane_options(wb_);
}

CIsoclineOptionsDlg::CIsoclineOptionsDlg(QWidget* parent, Workbench& wb)
    : CFieldDialog(parent, "Isocline Options") {
  IsoclineSettings& i = wb.isocline;
  Settings& n = wb.settings;
  QFormLayout* form = form_of({{"Initial X Value", F::any_number_field("", &i.initial_x)},
                               {"Final X Value", F::any_number_field("", &i.final_x)},
                               {"Initial Y Value", F::any_number_field("", &i.initial_y)},
                               {"Final Y Value", F::any_number_field("", &i.final_y)},
                               {"Step Size", F::number_field("", &i.step_size, 0.1, 10)},
                               {"X-axis Flux", F::text_field("", &n.isocline_x_flux)},
                               {"Y-axis Flux", F::text_field("", &n.isocline_y_flux)}},
                              [this](const SettingField& f) { return bind_edit(f); });
  form->addRow(bind_check("Print fluxes to file", &i.print_fluxes));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(make_ok_cancel());
}

CRobustnessParamsDlg::CRobustnessParamsDlg(QWidget* parent, Workbench& wb)
    : CFieldDialog(parent, "Dialog") {
  RobustnessSettings& r = wb.robust;
  Settings& n = wb.settings;
  QFormLayout* form =
      form_of({{"Short Name for enzyme to control 1:", F::text_field("", &n.robust_enzyme_1)},
               {"Short Name for enzyme to control 2:", F::text_field("", &n.robust_enzyme_2)},
               {"Short Name for enzyme to control 3:", F::text_field("", &n.robust_enzyme_3)},
               {"Low Value:", F::number_field("", &r.low_value, 0, 1000)},
               {"High Value:", F::number_field("", &r.high_value, 0, 1000)},
               {"Steps:", F::integer_field("", &r.steps, 5, 500)}},
              [this](const SettingField& f) { return bind_edit(f); });
  form->addRow(bind_check("Automatically", &r.automatically));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(make_ok_cancel());
}

}  // namespace vemo
