// "Triple Deletion": every unordered triple of entries deleted at once. Triples with a member that
// is lethal alone, or with two members that form a lethal pair, are trivial and not solved.
#ifndef VEMO_ANALYSES_TRIPLE_DELETION_H_
#define VEMO_ANALYSES_TRIPLE_DELETION_H_

#include "model/workbench.h"

namespace vemo {

// Most triples a study takes; more entries than that allows are refused before any solve.
inline constexpr long long kMaxDeletionTriples = 20'000'000;

// A pair whose growth is below this makes every triple containing it trivial.
inline constexpr double kLethalPairGrowth = 1e-09;

void triple_deletion(Workbench& wb);

}  // namespace vemo

#endif  // VEMO_ANALYSES_TRIPLE_DELETION_H_
