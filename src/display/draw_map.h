// "Draw Map": loads the map file into the map tables and attaches the current solution to them:
// shadow prices to labels, fluxes and reduced costs to arrows, by exact name.
//
// The file is a stream of white-space separated tokens; each record starts with an integer code
// (read like "%i": sign, decimal, 0x hexadecimal, leading 0 octal): 1 or 2 and four integers
// (x, y, x2, y2), 3 and x, y, name, 4 alone (a label slot taken, nothing set), 5 and tail, head,
// name, value point, name point; 999 ends the map (so does the end of the file). Other codes are
// skipped. A label name keeps at most 15 characters, an arrow name 14.
#ifndef VEMO_DISPLAY_DRAW_MAP_H_
#define VEMO_DISPLAY_DRAW_MAP_H_

#include <string>

#include "model/workbench.h"

namespace vemo {

// Longest names the tables keep; longer names are cut.
inline constexpr size_t kMaxLabelNameLength = 15;
inline constexpr size_t kMaxArrowNameLength = 14;
// Most labels or arrows one map may hold.
inline constexpr int kMaxMapSlots = 200000;

// Loads settings.mapper_file and attaches the values. Returns true when the view should be
// repainted; false when the user gave up on the file, or a record could not be read (the load
// ends there with nothing attached and the user is told).
bool draw_map(Workbench& wb);

// A flux as the map shows it: sign, integer part, three decimals rounded half up, computed on
// the single-precision value ("2.500", "-0.040", "3.000").
std::string format_value_text(float value);

}  // namespace vemo

#endif  // VEMO_DISPLAY_DRAW_MAP_H_
