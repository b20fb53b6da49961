#include "ui/plot_option_dlgs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <limits>

namespace vemo {

namespace {

using F = SettingField;
constexpr int kAnyInteger = std::numeric_limits<int>::max();

// Adds a labelled edit field bound to field; the edit is named after its label, for tests.
void add_row(QFormLayout* form, const QString& label, QLineEdit* edit) {
  edit->setObjectName(label);
  form->addRow(label, edit);
}

}  // namespace

CPhasePlotOptionsDlg::CPhasePlotOptionsDlg(QWidget* parent, Workbench& wb)
    : CFieldDialog(parent, "Phase Plot Options") {
  PhasePlotOptions& o = wb.phase_plot;
  auto* form = new QFormLayout;
  form->addRow(bind_check("Draw Primary Points", &o.draw_primary));
  form->addRow(bind_check("Draw Secondary Points", &o.draw_secondary));
  add_row(form, "X-axis gridline spacing", bind_edit(F::number_field("", &o.x_grid, 1, 100)));
  add_row(form, "Y-axis gridline spacing", bind_edit(F::number_field("", &o.y_grid, 1, 100)));
  add_row(form, "X-label spacing", bind_edit(F::integer_field("", &o.x_label, 1, 100)));
  add_row(form, "Y-label spacing", bind_edit(F::integer_field("", &o.y_label, 1, 100)));
  add_row(form, "X min", bind_edit(F::any_number_field("", &o.x_min)));
  add_row(form, "X max", bind_edit(F::any_number_field("", &o.x_max)));
  add_row(form, "Y min", bind_edit(F::any_number_field("", &o.y_min)));
  add_row(form, "Y max", bind_edit(F::any_number_field("", &o.y_max)));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(make_ok_cancel());
}

CRobustPlotParametersDlg::CRobustPlotParametersDlg(QWidget* parent, Workbench& wb)
    : CFieldDialog(parent, "Robust Plot Parameters") {
  RobustPlotOptions& o = wb.robust_plot;
  auto* form = new QFormLayout;
  add_row(form, "X-axis gridline spacing", bind_edit(F::number_field("", &o.x_grid, 0.05, 100)));
  add_row(form, "Y-axis gridline spacing", bind_edit(F::number_field("", &o.y_grid, 0.05, 100)));
  add_row(form, "X-label spacing", bind_edit(F::integer_field("", &o.x_label, 1, kAnyInteger)));
  add_row(form, "Y-label spacing", bind_edit(F::integer_field("", &o.y_label, 1, kAnyInteger)));
  add_row(form, "X min", bind_edit(F::any_number_field("", &o.x_min)));
  add_row(form, "X max", bind_edit(F::any_number_field("", &o.x_max)));
  add_row(form, "Y min", bind_edit(F::any_number_field("", &o.y_min)));
  add_row(form, "Y max", bind_edit(F::any_number_field("", &o.y_max)));
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
  auto* axes = new QFormLayout;
  add_row(axes, "X-axis gridline spacing", bind_edit(F::integer_field("", &o.x_grid, 1, 20)));
  add_row(axes, "Y-axis gridline spacing", bind_edit(F::integer_field("", &o.y_grid, 1, 20)));
  add_row(axes, "X-label spacing", bind_edit(F::integer_field("", &o.x_label, 1, kAnyInteger)));
  add_row(axes, "Y-label spacing", bind_edit(F::integer_field("", &o.y_label, 1, kAnyInteger)));
  add_row(axes, "X min", bind_edit(F::integer_field("", &o.x_min, -kAnyInteger, kAnyInteger)));
  add_row(axes, "X max", bind_edit(F::integer_field("", &o.x_max, -kAnyInteger, kAnyInteger)));
  add_row(axes, "Y min", bind_edit(F::integer_field("", &o.y_min, -kAnyInteger, kAnyInteger)));
  add_row(axes, "Y max", bind_edit(F::integer_field("", &o.y_max, -kAnyInteger, kAnyInteger)));

  auto* regions = new QFormLayout;
  for (int k = 1; k <= 6; ++k) {
    add_row(regions, QString("Lower Region %1").arg(k),
            bind_edit(F::any_number_field("", &o.region_lower[k])));
  }
  add_row(regions, "Upper Region 6", bind_edit(F::any_number_field("", &o.region6_upper)));

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
  QLineEdit* threshold_edit = bind_edit(F::number_field("", &o.threshold, 1e-06, 5.0));
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
