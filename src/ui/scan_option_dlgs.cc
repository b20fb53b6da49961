#include "ui/scan_option_dlgs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "analyses/phase_plane.h"

namespace vemo {

CPhasePlotParametersDlg::CPhasePlotParametersDlg(QWidget* parent, Workbench& wb)
    : CFieldDialog(parent, "Phase Plot Parameters"), wb_(wb) {
  PhasePlaneSettings& p = wb.phase;
  QFormLayout* ranges = setting_form(wb, {{"Initial X Value", "phase.initial_x"},
                                          {"Final X Value", "phase.final_x"},
                                          {"Initial Y Value", "phase.initial_y"},
                                          {"Final Y Value", "phase.final_y"},
                                          {"X-Value Step Size", "phase.x_step"},
                                          {"Sensitivity", "phase.sensitivity"}});
  QFormLayout* names = setting_form(wb, {{"X-axis Flux", "phase_x_flux"},
                                         {"Y-axis Flux", "phase_y_flux"},
                                         {"X-axis Metabolite", "phase_x_metabolite"},
                                         {"Y-axis Metabolite", "phase_y_metabolite"}});
  names->addRow(bind_check("Use Metabolite Data", &p.use_metabolite_data));
  names->addRow(bind_check("Filter Data", &p.filter_data));
  QFormLayout* third = setting_form(wb, {{"z-axis Flux", "phase_z_flux"},
                                         {"Z initial", "phase.z_initial"},
                                         {"Z step", "phase.z_step"},
                                         {"Z final", "phase.z_final"}});
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
  QFormLayout* form = setting_form(wb, {{"Initial X Value", "isocline.initial_x"},
                                        {"Final X Value", "isocline.final_x"},
                                        {"Initial Y Value", "isocline.initial_y"},
                                        {"Final Y Value", "isocline.final_y"},
                                        {"Step Size", "isocline.step_size"},
                                        {"X-axis Flux", "isocline_x_flux"},
                                        {"Y-axis Flux", "isocline_y_flux"}});
  form->addRow(bind_check("Print fluxes to file", &wb.isocline.print_fluxes));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(make_ok_cancel());
}

CRobustnessParamsDlg::CRobustnessParamsDlg(QWidget* parent, Workbench& wb)
    : CFieldDialog(parent, "Dialog") {
  QFormLayout* form = setting_form(wb, {{"Short Name for enzyme to control 1:", "robust_enzyme_1"},
                                        {"Short Name for enzyme to control 2:", "robust_enzyme_2"},
                                        {"Short Name for enzyme to control 3:", "robust_enzyme_3"},
                                        {"Low Value:", "robust.low_value"},
                                        {"High Value:", "robust.high_value"},
                                        {"Steps:", "robust.steps"}});
  form->addRow(bind_check("Automatically", &wb.robust.automatically));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(make_ok_cancel());
}

}  // namespace vemo
