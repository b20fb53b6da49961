#include "analyses/detailed_deletion.h"

#include <algorithm>

#include "analyses/deletion_study.h"
#include "analyses/detailed_deletion_report.h"
#include "analyses/exchange_watch.h"

namespace vemo {

namespace {

// Adds the drain columns after the network's columns, closed, and enters them in the model.
void add_drain_columns(NetworkModel& m, LpSolver& lp, const std::vector<PrecursorDrain>& drains) {
  for (size_t p = 1; p < drains.size(); ++p) {
    const PrecursorDrain& d = drains[p];
    std::vector<float> values;
    std::vector<int> rows;
    if (d.usable()) {
      values = d.coefficients;
      rows = d.rows;
    }
    lp.lp_add_column(d.column_name, values, rows);
    const int c = ++m.num_of_reactions;
    m.reserve_reactions(c);
    m.lower_bound[c] = m.upper_bound[c] = 0.0f;
    m.has_lower_bound[c] = m.has_upper_bound[c] = 1;
    lp.lp_set_lower(c, 0.0f);
    lp.lp_set_upper(c, 0.0f);
  }
}

// (row, slot) for every shadow-price slot whose name is a network row, rows ascending, so that a
// later row of the same name wins.
std::vector<std::pair<int, int>> slot_rows(const NetworkModel& m) {
  std::vector<std::pair<int, int>> pairs;
  for (int i = 1; i <= m.num_of_rows; ++i) {
    for (int p = 1; p <= kAllPrecursors; ++p) {
      if (m.row_names[i] == precursor_name(p)) pairs.emplace_back(i, p);
    }
    for (int k = 0; k < static_cast<int>(kCoProductSlotNames.size()); ++k) {
      if (m.row_names[i] == kCoProductSlotNames[k]) pairs.emplace_back(i, kFirstCoProductSlot + k);
    }
  }
  return pairs;
}

// The prices of the drains that give co-products back are net of those co-products.
void net_co_product_prices(std::array<float, kLastSlot + 1>& sp) {
  sp[9] -= sp[80];
  sp[11] -= sp[80];
  sp[13] = sp[13] - sp[81] - sp[82];
  sp[14] -= sp[83];
  sp[15] -= sp[84];
}

// One non-zero coefficient of the network's own objective.
struct ObjectiveTerm {
  int column;
  float coefficient;
};

class CapacityMeasure {
 public:
  CapacityMeasure(DeletionStudy& study, int first_drain, const std::vector<PrecursorDrain>& drains,
                  std::vector<ObjectiveTerm> saved_objective)
      : study_(study),
        first_drain_(first_drain),
        drains_(drains),
        saved_objective_(std::move(saved_objective)) {}

  // The largest flux of drain p alone, the objective restored afterwards by restore_objective.
  float capacity(int p) {
    if (!drains_[p].usable()) return 0.0f;
    LpSolver& lp = study_.lp();
    for (const ObjectiveTerm& term : saved_objective_) lp.lp_set_coefficient(1, term.column, 0.0f);
    const int last = first_drain_ + static_cast<int>(drains_.size()) - 2;
    for (int c = first_drain_; c <= last; ++c) lp.lp_set_coefficient(1, c, 0.0f);
    const int c = first_drain_ + p - 1;
    lp.lp_free_column(c);
    lp.lp_set_coefficient(1, c, 1.0f);
    lp.lp_set_lower(c, 0.0f);
    lp.lp_set_upper(c, kCapacityCap);
    int status;
    float value;
    study_.solve(status, value);
    lp.lp_set_upper(c, 0.0f);
    lp.lp_set_coefficient(1, c, 0.0f);
    return value;
  }

  // Gives the network's columns their saved objective coefficients back.
  void restore_objective() {
    for (const ObjectiveTerm& term : saved_objective_) {
      study_.lp().lp_set_coefficient(1, term.column, term.coefficient);
    }
  }

 private:
  DeletionStudy& study_;
  int first_drain_;
  const std::vector<PrecursorDrain>& drains_;
  std::vector<ObjectiveTerm> saved_objective_;
};

void tell_missing_precursors(Workbench& wb, const std::vector<PrecursorDrain>& drains) {
  std::string missing;
  for (size_t p = 1; p < drains.size(); ++p) {
    if (drains[p].usable()) continue;
    if (!missing.empty()) missing += ", ";
    missing += drains[p].names[0];
  }
  if (missing.empty()) return;
  notify(wb, "The network has no row for some names of the precursor drains of " + missing +
                 ": their capacities are reported as 0.");
}

}  // namespace

void detailed_deletions(Workbench& wb) {
  std::vector<DeletionEntry> entries;
  if (!read_deletion_list(wb, entries)) return;
  DeletionStudy study(wb);
  if (!study.network_usable()) return;
  NetworkModel& m = wb.model;
  const int network_columns = m.num_of_reactions;
  const int n = wb.precursors_only != 0 ? kCentralPrecursors : kAllPrecursors;
  const std::vector<PrecursorDrain> drains = make_precursor_drains(m, n);
  add_drain_columns(m, study.lp(), drains);
  tell_missing_precursors(wb, drains);
  study.solve_wild_type();

  std::vector<ObjectiveTerm> saved_objective;
  for (int j = 1; j <= network_columns; ++j) {
    if (const float c = m.stoich_matrix.at(1, j); c != 0.0f) saved_objective.push_back({j, c});
  }
  CapacityMeasure measure(study, network_columns + 1, drains, std::move(saved_objective));
  const auto prices = slot_rows(m);

  DetailedDeletionResult result{n, study.max_growth(), {}};
  result.records.resize(entries.size());
  for (size_t k = 0; k < entries.size(); ++k) {
    DetailedDeletionRecord& r = result.records[k];
    r.names = entries[k].names;
    if (k == 0) {
      study.apply_deletion({});
    } else {
      study.apply_deletion({&entries[k]});
    }
    study.solve(r.status, r.growth);
    for (const auto& [row, slot] : prices) r.sp[slot] = row_dual(study.lp(), row);
    net_co_product_prices(r.sp);
    for (int p = 1; p <= n; ++p) r.capacity[p] = measure.capacity(p);
    measure.restore_objective();
  }
  study.release();

  std::stable_sort(result.records.begin() + 1, result.records.end(),
                   [](const DetailedDeletionRecord& a, const DetailedDeletionRecord& b) {
                     return a.growth < b.growth;
                   });
  result.records[0].names = {"WT"};
  wb.last_deletion = {result.max_growth, wb.num_of_genes, 0, 0, 0, 0, study.solves()};
  write_detailed_deletion_report(wb, result);
}

}  // namespace vemo
