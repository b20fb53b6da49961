#include "display/draw_map.h"

#include <cmath>
#include <cstdio>

#include "display/number_text.h"
#include "model/file_open.h"
#include "model/token_reader.h"

namespace vemo {

namespace {

constexpr int kEndOfMap = 999;
const char* const kObjectiveArrow = "Object";

class MapReader {
 public:
  MapReader(MapTables& map, std::string_view text) : map_(map), tokens_(text) {}

  // Reads records up to 999 or the end of the text; false when a record could not be read.
  bool read() {
    std::string token;
    while (tokens_.next_word(token)) {
      int code;
      if (!parse_c_integer(token, code)) return fail("'" + token + "' is not a record code");
      if (code == kEndOfMap) return true;
      if (code >= 1 && code <= 4) {
        if (!read_label(code)) return false;
      } else if (code == 5) {
        if (!read_arrow()) return false;
      }
    }
    return true;
  }
  const std::string& error() const { return error_; }

 private:
  bool fail(std::string why) {
    error_ = std::move(why);
    return false;
  }

  bool next_integer(int& value, const char* what) {
    std::string token;
    if (!tokens_.next_word(token)) return fail(std::string("the file ends inside ") + what);
    if (!parse_c_integer(token, value)) {
      return fail("'" + token + "' is not an integer (" + what + ")");
    }
    return true;
  }

  bool next_name(std::string& name, size_t longest, const char* what) {
    if (!tokens_.next_word(name)) return fail(std::string("the file ends inside ") + what);
    if (name.size() > longest) name.resize(longest);
    return true;
  }

  template <typename T>
  T* next_slot(std::vector<T>& table, int& count, const char* what) {
    if (count >= kMaxMapSlots) {
      fail("more than " + std::to_string(kMaxMapSlots) + " " + what);
      return nullptr;
    }
    ++count;
    if (static_cast<int>(table.size()) <= count) table.resize(static_cast<size_t>(count) + 1);
    return &table[count];
  }

  bool read_label(int code) {
    MapLabel* label = next_slot(map_.labels, map_.num_of_map_labels, "labels");
    if (label == nullptr) return false;
    const char* what = "a label record";
    if (code == 1 || code == 2) {
      return next_integer(label->x, what) && next_integer(label->y, what) &&
             next_integer(label->x2, what) && next_integer(label->y2, what);
    }
    if (code == 3) {
      return next_integer(label->x, what) && next_integer(label->y, what) &&
             next_name(label->name, kMaxLabelNameLength, what);
    }
    return true;  // code 4: the slot is taken, nothing is set
  }

  bool read_arrow() {
    MapArrow* a = next_slot(map_.arrows, map_.num_of_map_arrows, "arrows");
    if (a == nullptr) return false;
    const char* what = "an arrow record";
    return next_integer(a->tail_x, what) && next_integer(a->tail_y, what) &&
           next_integer(a->head_x, what) && next_integer(a->head_y, what) &&
           next_name(a->name, kMaxArrowNameLength, what) && next_integer(a->value_x, what) &&
           next_integer(a->value_y, what) && next_integer(a->name_x, what) &&
           next_integer(a->name_y, what);
  }

  MapTables& map_;
  TokenReader tokens_;
  std::string error_;
};

// The two barbs of the head: a vector of length 5 back along the shaft, turned by adding and
// subtracting its swapped components. An arrow without length gets no barbs.
void compute_barbs(MapArrow& a) {
  const double dx = a.tail_x - a.head_x;
  const double dy = a.tail_y - a.head_y;
  const double length = std::sqrt(dx * dx + dy * dy);
  if (length == 0.0) {
    a.barb1_x = a.barb2_x = a.head_x;
    a.barb1_y = a.barb2_y = a.head_y;
    return;
  }
  const double ux = 5.0 * dx / length;
  const double uy = 5.0 * dy / length;
  a.barb1_x = static_cast<int>(a.head_x + ux + uy);
  a.barb1_y = static_cast<int>(a.head_y + uy + ux);
  a.barb2_x = static_cast<int>(a.head_x + ux - uy);
  a.barb2_y = static_cast<int>(a.head_y + uy - ux);
}

void attach_prices(Workbench& wb) {
  const NetworkModel& m = wb.model;
  for (int k = 1; k <= wb.map.num_of_map_labels; ++k) {
    MapLabel& label = wb.map.labels[k];
    for (int i = 1; i <= m.num_of_rows; ++i) {
      if (m.row_names[i] == label.name) label.price = m.shadow_price[i];
    }
  }
}

void attach_fluxes(Workbench& wb) {
  const NetworkModel& m = wb.model;
  for (int k = 1; k <= wb.map.num_of_map_arrows; ++k) {
    MapArrow& a = wb.map.arrows[k];
    if (a.name == kObjectiveArrow) {
      a.flux = m.objective_value;
      a.second = 1.0f;
    } else {
      bool found = false;
      for (int j = 1; j <= m.num_of_reactions; ++j) {
        if (m.reaction_names[j] != a.name) continue;
        found = true;
        a.flux = m.flux[j];
        a.second = m.reduced_cost[j];
        // A reversible reaction's reduced cost counts as negative (a comparison's class does
        // not).
        if (is_reversible_name(a.name) && m.second_file_read != 1) a.second = -std::fabs(a.second);
      }
      if (!found) a.flux = kNotFoundMarker;
    }
    if (a.flux != kNotFoundMarker && a.flux != 0.0f) a.value_text = format_value_text(a.flux);
  }
}

}  // namespace

std::string format_value_text(float value) { return format_rounded(value, 3); }

bool draw_map(Workbench& wb) {
  wb.map.num_of_map_labels = 0;
  wb.map.num_of_map_arrows = 0;
  const std::string& name = wb.settings.mapper_file;
  FilePtr file = open_with_retry(wb, name, OpenMode::kRead);
  if (!file) return false;
  std::string text, why;
  bool loaded = read_text_file(file.get(), text, why);
  file.reset();
  if (loaded) {
    MapReader reader(wb.map, text);
    loaded = reader.read();
    why = reader.error();
  }
  if (!loaded) {
    refuse_input(wb, name + ": " + why + "; the map was read only up to there");
    return false;
  }
  for (int k = 1; k <= wb.map.num_of_map_arrows; ++k) compute_barbs(wb.map.arrows[k]);
  attach_prices(wb);
  attach_fluxes(wb);
  return true;
}

}  // namespace vemo
