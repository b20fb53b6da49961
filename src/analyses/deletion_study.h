// The frame shared by the deletion studies: the linear program built once, deletions applied by
// closing the reactions of genes, the wild-type and deletion solves, the trivial rule, the
// classification, the sort and the report.
#ifndef VEMO_ANALYSES_DELETION_STUDY_H_
#define VEMO_ANALYSES_DELETION_STUDY_H_

#include <array>
#include <initializer_list>
#include <string>
#include <unordered_map>
#include <vector>

#include "analyses/deletion_list.h"
#include "lp/lp_solver.h"
#include "model/workbench.h"

namespace vemo {

// Growth at or below this counts a single deletion as lethal for the trivial rule and the
// classification.
inline constexpr double kLethalGrowth = 1e-08;

// One deletion (single, pair or triple) as reported.
struct DeletionResult {
  std::array<int, 3> members{};  // entry numbers in print order: the latest entry first
  int size = 0;                  // how many members
  int status = 0;                // 0 for a trivial combination that was not solved
  float growth = 0.0f;
};

struct DeletionCounts {
  int lethal = 0;
  int retarding = 0;
  int redundant = 0;
};

class DeletionStudy {
 public:
  // Re-reads the network (going on with the network in memory when the user gives up on the
  // reactions file), builds the problem with ranging -1 and derives the gene keys.
  explicit DeletionStudy(Workbench& wb);

  // Solves the unchanged problem: its objective value is max_growth, whatever the status.
  void solve_wild_type();
  float max_growth() const { return max_growth_; }
  // The problem, for studies that add columns or change the objective between solves.
  LpSolver& lp() { return lp_; }
  // False when the reactions file was refused: the study must not go on.
  bool network_usable() const { return network_usable_; }

  // Gives every column its own bounds again, then closes (both bounds 0) every reaction whose
  // gene key is a name of one of the entries. Only the columns the previous deletion closed are
  // touched: the bounds that result are those of a full reset.
  void apply_deletion(std::initializer_list<const DeletionEntry*> entries);

  // Solves the problem as it stands: the objective value and the library status; an infeasible
  // problem records growth 0.
  void solve(int& status, float& growth);

  // Ends the problem; the study cannot solve afterwards.
  void release();
  int solves() const { return solves_; }

 private:
  Workbench& wb_;
  LpSolver lp_;
  std::unordered_map<std::string, std::vector<int>> columns_of_key_;
  std::vector<int> closed_;
  float max_growth_ = 0.0f;
  bool network_usable_ = true;
  int solves_ = 0;
};

// Solves every entry 1..n alone, in input order, recording growth and status in the entry.
void solve_single_deletions(DeletionStudy& study, std::vector<DeletionEntry>& entries);

// The trivial rule for one member: lethal alone, or its own solve did not find a solution.
bool is_lethal_alone(const DeletionEntry& entry);

// Stable sort by growth, ascending.
void sort_by_growth(std::vector<DeletionResult>& results);

// Counts against max_growth with strict comparisons in double precision; a growth of exactly
// 0.95 * max_growth counts in none of the three.
DeletionCounts classify(const std::vector<DeletionResult>& results, float max_growth);

// Opens the report (after the library is released) and writes it: "Max_Growth=", a line per
// result, then the counts; the "Trivial_ones" line only when trivial_count is given.
// Records the summary in wb.last_deletion.
void write_deletion_report(Workbench& wb, const std::string& file_name, float max_growth,
                           const std::vector<DeletionEntry>& entries,
                           const std::vector<DeletionResult>& results, const int* trivial_count,
                           int solves);

}  // namespace vemo

#endif  // VEMO_ANALYSES_DELETION_STUDY_H_
