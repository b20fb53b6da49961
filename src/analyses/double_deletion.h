// "Double Deletion": every unordered pair of entries deleted at once. Pairs with a member that is
// lethal alone are trivial: recorded as lethal without a solve.
#ifndef VEMO_ANALYSES_DOUBLE_DELETION_H_
#define VEMO_ANALYSES_DOUBLE_DELETION_H_

#include <vector>

#include "analyses/deletion_study.h"
#include "model/workbench.h"

namespace vemo {

// Most pairs a study takes; more entries than that allows are refused before any solve.
inline constexpr long long kMaxDeletionPairs = 20'000'000;

void double_deletion(Workbench& wb);

// Solves (or marks trivial) every pair (k1, k2), k1 < k2, in the order (1,2), (1,3), ...,
// (n-1,n); each result lists the later entry first. Returns the number of trivial pairs.
int solve_pair_deletions(DeletionStudy& study, const std::vector<DeletionEntry>& entries,
                         std::vector<DeletionResult>& pairs);

// Refuses (with a message naming the file) a study whose table of combinations of the given
// size would not fit; true when it fits.
bool combinations_fit(Workbench& wb, long long entries, int size, long long limit);

}  // namespace vemo

#endif  // VEMO_ANALYSES_DOUBLE_DELETION_H_
