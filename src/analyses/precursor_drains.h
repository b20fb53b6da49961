// The biosynthetic precursors and cofactors whose synthesis capacity the detailed deletions
// measure: one drain reaction per precursor, removing it (and giving back the co-products of the
// five energy and carrier drains), and the shadow-price slots read at the growth optimum.
#ifndef VEMO_ANALYSES_PRECURSOR_DRAINS_H_
#define VEMO_ANALYSES_PRECURSOR_DRAINS_H_

#include <array>
#include <string>
#include <vector>

#include "model/network_model.h"

namespace vemo {

inline constexpr int kAllPrecursors = 64;
inline constexpr int kCentralPrecursors = 15;

// Shadow-price slots: 1..64 belong to the precursors, 80..84 to COA, ADP, PI, NAD and NADP.
inline constexpr int kFirstCoProductSlot = 80;
inline constexpr int kLastSlot = 84;
inline constexpr std::array<const char*, 5> kCoProductSlotNames = {"COA", "ADP", "PI", "NAD",
                                                                   "NADP"};

struct PrecursorDrain {
  std::vector<std::string> names;   // the precursor first, then its co-products
  std::vector<float> coefficients;  // -1 for the precursor, +1 for each co-product
  std::string column_name;          // 8 characters, blank padded
  std::vector<int> rows;            // network row of each name, 0 when the network lacks it

  // The drain can be built only when every name is a row of the network.
  bool usable() const;
};

// The first name of precursor p (1..64).
const char* precursor_name(int p);

// Precursors 1..count (index 0 unused) with their column names ("1" appended to a repeated
// precursor) and the rows of their names in the network (the last row of a name).
std::vector<PrecursorDrain> make_precursor_drains(const NetworkModel& model, int count);

}  // namespace vemo

#endif  // VEMO_ANALYSES_PRECURSOR_DRAINS_H_
