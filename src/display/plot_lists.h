// The diagrams' point lists (filled by the Draw commands from the scans' results, drawn on every
// paint) and the isocline diagram's options. Lists are numbered from 1 and grow as needed.
#ifndef VEMO_DISPLAY_PLOT_LISTS_H_
#define VEMO_DISPLAY_PLOT_LISTS_H_

#include <array>
#include <vector>

namespace vemo {

struct PlotPoint {
  float x = 0, y = 0;  // plot coordinates, unscaled view units
};

struct RobustPlotPoint {
  float x = 0, y = 0;  // enzyme flux and growth
  int px = 0, py = 0;  // plot coordinates
};

struct IsoclinePlotPoint {
  float x = 0, y = 0;
  int px = 0, py = 0;
  float value = 0;  // the quantity the diagram colours by
};

struct IsoclinePlotOptions {
  int x_grid = 5;
  int y_grid = 5;
  int x_label = 1;
  int y_label = 1;
  int x_min = 0;
  int x_max = 20;
  int y_min = 0;
  int y_max = 20;
  std::array<float, 8> region_lower{0.0f, 0.0f, 1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 0.0f};  // [1..6]
  float region6_upper = 6.0f;
  int isocline_to_plot = 0;  // 0 growth, 1 acetate, 2 ethanol, 3 succinate, 4 formate, 5 lactate
  int auto_regions = 1;
  int continuous_plot = 0;
  int threshold_lines = 0;
  float threshold = 0.1f;
};

struct PlotLists {
  std::vector<PlotPoint> phase_primary_points{1};
  int primary_count = 0;
  std::vector<PlotPoint> phase_secondary_points{1};
  int secondary_count = 0;
  std::vector<RobustPlotPoint> robust_plot_points{1};
  int robust_count = 0;
  std::vector<IsoclinePlotPoint> isocline_plot_points{1};
  int isocline_count = 0;
};

}  // namespace vemo

#endif  // VEMO_DISPLAY_PLOT_LISTS_H_
