#include "analyses/robustness.h"

#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

#include "analyses/deletion_list.h"
#include "analyses/scan_guard.h"
#include "lp/build_lp.h"
#include "model/file_open.h"
#include "model/reactions_reader.h"

namespace vemo {

namespace {

const char* const kScan = "Do Robustness";
constexpr float kSmallestHighValue = 0.0001f;
constexpr float kReplacementHighValue = 5.0f;
constexpr float kEndTolerance = 1e-05f;

struct FileBounds {
  std::vector<float> lower, upper;
  std::vector<int> has_lower, has_upper;
};

// The model's network grown by the capacity row, TEST and the split-off columns.
struct ControlledNetwork {
  int capacity_row = 0;
  int test = 0;                 // the column of TEST, t
  std::vector<int> controlled;  // controlled columns, split-off ones included
};

// Appends reaction n as the mirror image of reversible reaction j, closed to negative flux.
int split_off(NetworkModel& m, int j, int capacity_row) {
  const int n = ++m.num_of_reactions;
  m.reserve_reactions(n);
  m.reaction_names[n] = std::to_string(n);
  for (const MatrixEntry& e : std::vector<MatrixEntry>(m.stoich_matrix.column(j))) {
    if (e.row <= m.num_of_rows) m.stoich_matrix.set(e.row, n, -e.value);
  }
  m.stoich_matrix.set(capacity_row, n, 1.0f);
  m.lower_bound[n] = 0.0f;
  m.has_lower_bound[n] = 1;
  // A fresh column: no upper bound flag is left over from an earlier, larger network.
  m.has_upper_bound[n] = 0;
  return n;
}

ControlledNetwork control_enzymes(Workbench& wb) {
  NetworkModel& m = wb.model;
  ControlledNetwork net;
  net.capacity_row = ++m.num_of_rows;
  m.reserve_rows(net.capacity_row);
  m.row_names[net.capacity_row].clear();
  m.row_sense[net.capacity_row] = 0;
  m.row_rhs[net.capacity_row] = 0.0f;

  net.test = ++m.num_of_reactions;
  m.reserve_reactions(net.test);
  m.reaction_names[net.test] = "TEST";
  m.lower_bound[net.test] = 0.0f;
  m.has_lower_bound[net.test] = 1;
  m.upper_bound[net.test] = kTestBound;
  m.has_upper_bound[net.test] = 1;
  m.stoich_matrix.set(net.capacity_row, net.test, -1.0f);
  derive_reaction_gene_keys(wb);

  const std::string* enzymes[] = {&wb.settings.robust_enzyme_1, &wb.settings.robust_enzyme_2,
                                  &wb.settings.robust_enzyme_3};
  for (int j = 1; j <= net.test; ++j) {
    for (const std::string* enzyme : enzymes) {
      // An empty name controls nothing (a reaction whose key is empty is not an enzyme).
      if (enzyme->empty() || wb.reaction_gene_keys[j] != *enzyme) continue;
      net.controlled.push_back(j);
      m.lower_bound[j] = 0.0f;
      m.has_lower_bound[j] = 1;
      m.stoich_matrix.set(net.capacity_row, j, 1.0f);
      if (is_reversible_name(m.reaction_names[j])) {
        m.has_upper_bound[j] = 0;
        net.controlled.push_back(split_off(m, j, net.capacity_row));
      }
    }
  }
  return net;
}

// The total absolute flux of the enzymes' own reactions at the optimum with the file's bounds,
// TEST free within +-1000 and the split-off columns closed.
float unconstrained_high_value(const NetworkModel& m, const FileBounds& file,
                               const ControlledNetwork& net, LpSolver& lp) {
  for (int j = 1; j <= net.test; ++j) {
    lp.lp_free_column(j);
    if (file.has_upper[j] == 1) {
      lp.lp_set_lower(j, file.lower[j]);
      lp.lp_set_upper(j, file.upper[j]);
    }
    if (file.has_lower[j] == 1) lp.lp_set_lower(j, file.lower[j]);
  }
  lp.lp_free_column(net.test);
  lp.lp_set_lower(net.test, -kTestBound);
  lp.lp_set_upper(net.test, kTestBound);
  for (int j = net.test + 1; j <= m.num_of_reactions; ++j) {
    lp.lp_set_lower(j, 0.0f);
    lp.lp_set_upper(j, 0.0f);
  }
  lp.lp_solve();
  float total = 0.0f;
  for (int j : net.controlled) {
    if (j > net.test) continue;
    float value, reduced_cost;
    lp.lp_get_column(j, value, reduced_cost);
    total += std::fabs(value);
  }
  return total;
}

void write_report(Workbench& wb) {
  const Settings& n = wb.settings;
  FilePtr out = open_with_retry(wb, n.robust_file, OpenMode::kWrite);
  if (!out) return;
  std::FILE* f = out.get();
  std::fprintf(f, " %s %s %s\n", n.robust_enzyme_1.c_str(), n.robust_enzyme_2.c_str(),
               n.robust_enzyme_3.c_str());
  const PointList<RobustPoint>& points = wb.robust_result.robust_points;
  for (int k = 1; k <= points.count; ++k) {
    std::fprintf(f, " %f ", static_cast<double>(points[k].enzyme_flux));
    std::fprintf(f, " %f", static_cast<double>(points[k].growth));
    std::fprintf(f, " (istat = %i)\n", points[k].istat);
  }
  finish_writing(wb, std::move(out), n.robust_file);
}

}  // namespace

void do_robustness(Workbench& wb) {
  RobustnessResult& result = wb.robust_result;
  result.robust_points.clear();
  result.solves = 0;
  Settings& names = wb.settings;
  for (std::string* name :
       {&names.robust_enzyme_1, &names.robust_enzyme_2, &names.robust_enzyme_3}) {
    *name = make_gene_key(*name);
  }
  wb.input_refused = false;
  read_data(wb);
  if (wb.input_refused) return;
  NetworkModel& m = wb.model;
  const FileBounds file{m.lower_bound, m.upper_bound, m.has_lower_bound, m.has_upper_bound};

  const ControlledNetwork net = control_enzymes(wb);
  // The grown network built in one go is the same problem as the file's rows, then the capacity
  // row, then every column.
  LpSolver lp;
  build_lp(m, lp, -1);
  RobustnessSettings& s = wb.robust;
  if (s.automatically != 0) {
    s.high_value = unconstrained_high_value(m, file, net, lp);
    ++result.solves;
  }
  if (s.high_value < kSmallestHighValue) s.high_value = kReplacementHighValue;

  const float step = (s.high_value - s.low_value) / static_cast<float>(s.steps);
  if (s.low_value <= s.high_value + kEndTolerance) {
    if (!step_is_positive(wb, kScan, "step from the low to the high value", step)) return;
    if (!scan_size_fits(wb, kScan,
                        values_in_range(s.low_value, s.high_value + kEndTolerance, step))) {
      return;
    }
  }
  // Every column gets the bounds of the grown network once; then only TEST moves.
  for (int j = 1; j <= m.num_of_reactions; ++j) apply_column_bounds(m, lp, j);
  for (float v = s.low_value; v <= s.high_value + kEndTolerance;) {
    lp.lp_free_column(net.test);
    lp.lp_set_lower(net.test, v);
    lp.lp_set_upper(net.test, v);
    RobustPoint point;
    point.enzyme_flux = v;
    point.istat = lp.lp_solve();
    ++result.solves;
    float dual;
    lp.lp_get_row(1, point.growth, dual);
    if (point.istat == kIstatInfeasible) point.growth = 0.0f;
    result.robust_points.append(point);
    const float next = v + step;
    if (!advances(wb, kScan, v, next)) break;
    v = next;
  }
  lp.lp_release();
  write_report(wb);
}

}  // namespace vemo
