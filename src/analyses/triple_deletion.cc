#include "analyses/triple_deletion.h"

#include "analyses/deletion_study.h"
#include "analyses/double_deletion.h"

namespace vemo {

namespace {

// lethal[k1][k2] for the pairs whose growth is below kLethalPairGrowth, trivial pairs included.
std::vector<std::vector<char>> lethal_pairs(const std::vector<DeletionResult>& pairs, int n) {
  std::vector<std::vector<char>> lethal(n + 1, std::vector<char>(n + 1, 0));
  for (const DeletionResult& p : pairs) {
    if (static_cast<double>(p.growth) < kLethalPairGrowth) {
      lethal[p.members[0]][p.members[1]] = lethal[p.members[1]][p.members[0]] = 1;
    }
  }
  return lethal;
}

}  // namespace

void triple_deletion(Workbench& wb) {
  std::vector<DeletionEntry> entries;
  if (!read_deletion_list(wb, entries)) return;
  const int n = wb.num_of_genes;
  if (!combinations_fit(wb, n, 3, kMaxDeletionTriples)) return;
  DeletionStudy study(wb);
  if (!study.network_usable()) return;
  study.solve_wild_type();
  solve_single_deletions(study, entries);
  std::vector<DeletionResult> pairs;
  solve_pair_deletions(study, entries, pairs);
  const auto lethal = lethal_pairs(pairs, n);

  std::vector<DeletionResult> triples;
  int trivial = 0;
  for (int k1 = 1; k1 <= n - 2; ++k1) {
    for (int k2 = k1 + 1; k2 <= n - 1; ++k2) {
      for (int k3 = k2 + 1; k3 <= n; ++k3) {
        DeletionResult triple{{k3, k2, k1}, 3, 0, 0.0f};
        if (is_lethal_alone(entries[k1]) || is_lethal_alone(entries[k2]) ||
            is_lethal_alone(entries[k3]) || lethal[k2][k3] || lethal[k1][k2] || lethal[k1][k3]) {
          ++trivial;
        } else {
          study.apply_deletion({&entries[k3], &entries[k2], &entries[k1]});
          study.solve(triple.status, triple.growth);
        }
        triples.push_back(triple);
      }
    }
  }
  study.release();

  sort_by_growth(triples);
  write_deletion_report(wb, wb.settings.triple_deletion_file, study.max_growth(), entries, triples,
                        &trivial, study.solves());
}

}  // namespace vemo
