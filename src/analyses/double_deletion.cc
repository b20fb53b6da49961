#include "analyses/double_deletion.h"

#include <cstdio>

namespace vemo {

bool combinations_fit(Workbench& wb, long long entries, int size, long long limit) {
  double combinations = 1.0;  // in floating point: large inputs would overflow any integer
  for (int k = 0; k < size; ++k) {
    combinations = combinations * static_cast<double>(entries - k) / (k + 1);
  }
  if (combinations <= static_cast<double>(limit)) return true;
  char count[64];
  std::snprintf(count, sizeof count, "%.0f", combinations);
  const char* what = size == 2 ? "pairs" : "triples";
  refuse_input(wb, wb.settings.deletion_input_file + ": " + std::to_string(entries) +
                       " entries make " + count + " " + what + ", more than the " +
                       std::to_string(limit) + " a study can hold");
  return false;
}

int solve_pair_deletions(DeletionStudy& study, const std::vector<DeletionEntry>& entries,
                         std::vector<DeletionResult>& pairs) {
  const int n = static_cast<int>(entries.size()) - 1;
  int trivial = 0;
  for (int k1 = 1; k1 < n; ++k1) {
    for (int k2 = k1 + 1; k2 <= n; ++k2) {
      DeletionResult pair{{k2, k1, 0}, 2, 0, 0.0f};
      if (is_lethal_alone(entries[k1]) || is_lethal_alone(entries[k2])) {
        ++trivial;
      } else {
        study.apply_deletion({&entries[k2], &entries[k1]});
        study.solve(pair.status, pair.growth);
      }
      pairs.push_back(pair);
    }
  }
  return trivial;
}

void double_deletion(Workbench& wb) {
  std::vector<DeletionEntry> entries;
  if (!read_deletion_list(wb, entries)) return;
  if (!combinations_fit(wb, wb.num_of_genes, 2, kMaxDeletionPairs)) return;
  DeletionStudy study(wb);
  if (!study.network_usable()) return;
  study.solve_wild_type();
  solve_single_deletions(study, entries);
  std::vector<DeletionResult> pairs;
  const int trivial = solve_pair_deletions(study, entries, pairs);
  study.release();

  sort_by_growth(pairs);
  write_deletion_report(wb, wb.settings.double_deletion_file, study.max_growth(), entries, pairs,
                        &trivial, study.solves());
}

}  // namespace vemo
