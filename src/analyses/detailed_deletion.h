// "Detailed Deletions": for the wild type and every entry of the deletion input, the growth, the
// shadow prices of the precursors at the growth optimum, and the capacity to make each precursor
// (the largest flux of a drain that removes it, maximised alone and capped at 1000).
//
// The drain columns are added after the network's columns and stay in the network model (closed,
// without names) until the next read. A precursor the network has no row for gets no drain
// entries and a capacity of 0; the user is told which.
#ifndef VEMO_ANALYSES_DETAILED_DELETION_H_
#define VEMO_ANALYSES_DETAILED_DELETION_H_

#include <array>
#include <string>
#include <vector>

#include "analyses/precursor_drains.h"
#include "model/workbench.h"

namespace vemo {

// A capacity drain is capped at this flux.
inline constexpr float kCapacityCap = 1000.0f;

struct DetailedDeletionRecord {
  std::vector<std::string> names;
  int status = 0;
  float growth = 0.0f;
  std::array<float, kAllPrecursors + 1> capacity{};  // precursors 1..64
  std::array<float, kLastSlot + 1> sp{};             // slots 1..64 and 80..84
};

struct DetailedDeletionResult {
  int num_of_precursors = 0;
  float max_growth = 0.0f;
  std::vector<DetailedDeletionRecord> records;  // 0: the wild type "WT"; then sorted by growth
};

void detailed_deletions(Workbench& wb);

}  // namespace vemo

#endif  // VEMO_ANALYSES_DETAILED_DELETION_H_
