#include "analyses/single_deletion.h"

#include "analyses/deletion_study.h"

namespace vemo {

void single_deletion(Workbench& wb) {
  std::vector<DeletionEntry> entries;
  if (!read_deletion_list(wb, entries)) return;
  DeletionStudy study(wb);
  if (!study.network_usable()) return;
  study.solve_wild_type();
  solve_single_deletions(study, entries);
  study.release();

  std::vector<DeletionResult> results;
  for (int k = 1; k < static_cast<int>(entries.size()); ++k) {
    results.push_back({{k, 0, 0}, 1, entries[k].status, entries[k].growth});
  }
  sort_by_growth(results);
  write_deletion_report(wb, wb.settings.single_deletion_file, study.max_growth(), entries, results,
                        nullptr, study.solves());
}

}  // namespace vemo
