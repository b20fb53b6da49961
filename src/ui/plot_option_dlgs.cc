#include "ui/plot_option_dlgs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vemo {

namespace {

// The grid and axis rows every diagram's options share, each under its record's prefix.
const CFieldDialog::SettingRows kAxisRows = {{"X-axis gridline spacing", "x_grid"},
                                             {"Y-axis gridline spacing", "y_grid"},
                                             {"X-label spacing", "x_label"},
                                             {"Y-label spacing", "y_label"},
                                             {"X min", "x_min"},
                                             {"X max", "x_max"},
                                             {"Y min", "y_min"},
                                             {"Y max", "y_max"}};

}  // namespace

CPhasePlotOptionsDlg::CPhasePlotOptionsDlg(QWidget* parent, Workbench& wb)
    : CFieldDialog(parent, "Phase Plot Options") {
  PhasePlotOptions& o = wb.phase_plot;
  QFormLayout* form = setting_form(wb, kAxisRows, "phase_plot.");
  form->insertRow(0, bind_check("Draw Primary Points", &o.draw_primary));
  form->insertRow(1, bind_check("Draw Secondary Points", &o.draw_secondary));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(make_ok_cancel());
}

CRobustPlotParametersDlg::CRobustPlotParametersDlg(QWidget* parent, Workbench& wb)
    : CFieldDialog(parent, "Robust Plot Parameters") {
  RobustPlotOptions& o = wb.robust_plot;
  QFormLayout* form = setting_form(wb, kAxisRows, "robust_plot.");
  form->addRow(bind_check("Automatically", &o.automatic_range));
  form->addRow(bind_check("Draw Lines", &o.draw_lines));
  form->addRow(bind_check("Draw Points", &o.draw_points));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(make_ok_cancel());
}

CIsoclinePlotOptionsDlg::CIsoclinePlotOptionsDlg(QWidget* parent, Workbench& wb)
    : CFieldDialog(parent, "Dialog") {
  IsoclinePlotOptions& o = wb.isocline_plot;
  QFormLayout* axes = setting_form(wb, kAxisRows, "isocline_plot.");
  QFormLayout* regions = setting_form(wb,
                                      {{"Lower Region 1", "region_lower[1]"},
                                       {"Lower Region 2", "region_lower[2]"},
                                       {"Lower Region 3", "region_lower[3]"},
                                       {"Lower Region 4", "region_lower[4]"},
                                       {"Lower Region 5", "region_lower[5]"},
                                       {"Lower Region 6", "region_lower[6]"},
                                       {"Upper Region 6", "region6_upper"}},
                                      "isocline_plot.");

  auto* group = new QGroupBox("Isocline to Plot", this);
  auto* group_layout = new QVBoxLayout(group);
  std::vector<QRadioButton*> buttons;
  for (const char* label : {"Objective", "Acetate", "Ethanol", "Succinate", "Formate", "Lactate"}) {
    buttons.push_back(new QRadioButton(label, group));
    group_layout->addWidget(buttons.back());
  }
  bind_radio_group(buttons, &o.isocline_to_plot);

  auto* switches = new QVBoxLayout;
  switches->addWidget(group);
  switches->addWidget(bind_check("Calculate Regions Automatically", &o.auto_regions));
  switches->addWidget(bind_check("Continuous plot", &o.continuous_plot));
  auto* threshold = new QHBoxLayout;
  threshold->addWidget(bind_check("Lines: Threshold", &o.threshold_lines));
  QLineEdit* threshold_edit = bind_edit(find_setting(wb, "isocline_plot.threshold").value());
  threshold_edit->setObjectName("Threshold");
  threshold->addWidget(threshold_edit);
  switches->addLayout(threshold);

  auto* columns = new QHBoxLayout;
  columns->addLayout(axes);
  columns->addLayout(regions);
  columns->addLayout(switches);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(make_ok_cancel());
}

}  // namespace vemo
