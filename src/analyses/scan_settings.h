// The settings of the three scans (phase plane, isoclines, robustness) and of the two plots
// whose limits the phase-plane options set. They live in the Workbench for the whole run and
// start from these values; the axis and enzyme names are in Settings.
#ifndef VEMO_ANALYSES_SCAN_SETTINGS_H_
#define VEMO_ANALYSES_SCAN_SETTINGS_H_

#include <vector>

namespace vemo {

struct PhasePlaneSettings {
  float initial_x = 0.0f;
  float final_x = 20.0f;
  float initial_y = 0.0f;
  float final_y = 20.0f;
  float x_step = 1.0f;  // the step of both axes
  float sensitivity = 0.005f;
  int use_metabolite_data = 1;
  int filter_data = 1;
  int three_d = 0;
  float z_initial = 0.0f;
  float z_step = 1.0f;
  float z_final = 20.0f;
};

struct IsoclineSettings {
  float initial_x = 0.0f;
  float final_x = 20.0f;
  float initial_y = 0.0f;
  float final_y = 20.0f;
  float step_size = 1.0f;  // the step of both axes
  int print_fluxes = 0;
};

struct RobustnessSettings {
  float low_value = 0.0f;
  float high_value = 100.0f;
  int steps = 100;
  int automatically = 1;
};

struct PhasePlotOptions {
  int draw_primary = 1;
  int draw_secondary = 1;
  float x_grid = 5.0f;
  float y_grid = 5.0f;
  int x_label = 1;
  int y_label = 1;
  float x_min = 0.0f;
  float x_max = 20.0f;
  float y_min = 0.0f;
  float y_max = 20.0f;
};

struct RobustPlotOptions {
  float x_grid = 0.2f;
  float y_grid = 0.2f;
  int x_label = 1;
  int y_label = 1;
  float x_min = 0.0f;
  float x_max = 20.0f;
  float y_min = 0.0f;
  float y_max = 20.0f;
  int automatic_range = 1;
  int draw_lines = 1;
  int draw_points = 0;
};

}  // namespace vemo

#endif  // VEMO_ANALYSES_SCAN_SETTINGS_H_
