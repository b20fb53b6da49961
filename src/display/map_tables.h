// The metabolic map's two tables, filled from the map file by draw_map and read by the draw
// operation. Slots are numbered from 1 and never cleared: a load overwrites slots from 1 upwards
// and a field that a record does not set keeps what the slot held before.
#ifndef VEMO_DISPLAY_MAP_TABLES_H_
#define VEMO_DISPLAY_MAP_TABLES_H_

#include <string>
#include <vector>

namespace vemo {

struct MapLabel {
  int x = 0, y = 0;    // top-left of the name, map units
  int x2 = 0, y2 = 0;  // read, not used
  std::string name;    // metabolite (row) name
  float price = 0.0f;  // shadow price attached by draw_map
};

struct MapArrow {
  int tail_x = 0, tail_y = 0;
  int head_x = 0, head_y = 0;
  int value_x = 0, value_y = 0;  // top-left of the value text
  int name_x = 0, name_y = 0;    // top-left of the name
  int barb1_x = 0, barb1_y = 0;  // ends of the head's barbs, computed at load
  int barb2_x = 0, barb2_y = 0;
  std::string name;  // reaction name; "Object" stands for the objective
  std::string value_text;
  float flux = 0.0f;    // or kNotFoundMarker
  float second = 0.0f;  // reduced cost, or the comparison class after a comparison
};

// The flux of an arrow whose name matches no reaction.
inline constexpr float kNotFoundMarker = 11111.0f;

struct MapTables {
  std::vector<MapLabel> labels{1};  // slot 0 unused
  std::vector<MapArrow> arrows{1};
  int num_of_map_labels = 0;
  int num_of_map_arrows = 0;
};

}  // namespace vemo

#endif  // VEMO_DISPLAY_MAP_TABLES_H_
