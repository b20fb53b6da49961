#include "analyses/network_comparison.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <unordered_map>

#include "lp/lp_solver.h"
#include "lp/optimize.h"
#include "model/reactions_reader.h"

namespace vemo {

namespace {

// The reaction that keeps its own flux when the others are taken relative to the growth.
const char* const kGrowthReaction = "Growth";

struct NetworkRun {
  std::string file;
  std::vector<std::string> names;  // numbered from 1
  std::vector<float> flux;
  float objective = 0.0f;
};

// Reads and optimises the first or the second network. False when the comparison cannot go on
// (the user has been told why, unless the file was given up on in the file error dialog); the
// model then holds no comparison, and second_file_read says so to the map.
bool solve_network(Workbench& wb, bool second, NetworkRun& run) {
  NetworkModel& m = wb.model;
  run.file = second ? wb.settings.second_reactions_file : wb.settings.reactions_file;
  m.use_second_file = second ? 1 : 0;
  read_data(wb);
  m.use_second_file = 0;
  if (m.file_abort == 1) {
    m.second_file_read = 0;
    return false;
  }
  optimize(wb);
  if (m.last_istat != kIstatOptimal) {
    m.second_file_read = 0;
    refuse_input(wb, run.file + ": no optimal solution (istat = " + std::to_string(m.last_istat) +
                         "); the networks were not compared");
    return false;
  }
  const int n = m.num_of_reactions;
  run.names.assign(m.reaction_names.begin(), m.reaction_names.begin() + n + 1);
  run.flux.assign(m.flux.begin(), m.flux.begin() + n + 1);
  run.objective = m.objective_value;
  return true;
}

bool is_zero_optimum(float objective) {
  return std::fabs(static_cast<double>(objective)) <= kComparisonZero;
}

// Turns the fluxes into fluxes per unit of growth ("Growth" itself excepted).
void scale_by_growth(NetworkRun& run) {
  for (size_t j = 1; j < run.flux.size(); ++j) {
    if (run.names[j] != kGrowthReaction) run.flux[j] /= run.objective;
  }
}

// 1 or -1 for a flux beyond kComparisonZero either way, 0 within it.
int sign_beyond_zero(float flux) {
  if (flux > kComparisonZero) return 1;
  if (flux < -kComparisonZero) return -1;
  return 0;
}

int class_index(float comparison_class) {
  if (comparison_class == 0.5f) return kClassDecreased;
  if (comparison_class == 1.0f) return kClassSimilar;
  if (comparison_class == 1.5f) return kClassIncreased;
  if (comparison_class == 2.0f) return kClassReversed;
  if (comparison_class == 3.0f) return kClassAppeared;
  if (comparison_class == 4.0f) return kClassVanished;
  return kClassBothZero;
}

}  // namespace

ComparisonOutcome compare_fluxes(float a, float b, const ComparisonSettings& settings) {
  ComparisonOutcome out;
  if (b >= -kComparisonZero && b <= kComparisonZero) {
    out.value = a;
  } else if (a > -kComparisonZero && a < kComparisonZero) {
    out.value = b;
  } else {
    out.value = a / std::fabs(b);
  }

  // The signs are taken with the tolerance of the value: the solver's round-off (fluxes like
  // -2e-13) must not show as a reversed, appeared or vanished reaction.
  const int sign_a = sign_beyond_zero(a);
  const int sign_b = sign_beyond_zero(b);
  if (sign_a != 0 && sign_a == sign_b) {
    const float ratio = a / b;
    // A threshold of 0 puts no limit, as 1 / 0 would.
    const float increased_limit = settings.increased_threshold != 0.0f
                                      ? 1.0f / settings.increased_threshold
                                      : std::numeric_limits<float>::infinity();
    out.comparison_class = 1.0f;
    if (ratio > settings.decreased_threshold) out.comparison_class = 0.5f;
    if (ratio < increased_limit) out.comparison_class = 1.5f;
  } else if (sign_a != 0 && sign_b != 0) {
    out.comparison_class = 2.0f;
  } else if (sign_a == 0 && sign_b != 0) {
    out.comparison_class = 3.0f;
  } else if (sign_a != 0) {
    out.comparison_class = 4.0f;
  } else {
    out.comparison_class = 5.0f;
  }
  return out;
}

void do_comparison(Workbench& wb) {
  wb.input_refused = false;
  NetworkRun first, second;
  if (!solve_network(wb, false, first) || !solve_network(wb, true, second)) return;

  ComparisonSummary& summary = wb.tools.last_comparison;
  summary = ComparisonSummary();
  summary.first_objective = first.objective;
  summary.second_objective = second.objective;
  if (wb.tools.comparison.relative_to_growth != 0) {
    if (is_zero_optimum(first.objective) || is_zero_optimum(second.objective)) {
      summary.unscaled = true;
      notify(wb, "Do Comparison: the optimum of " +
                     (is_zero_optimum(first.objective) ? first.file : second.file) +
                     " is 0, so the fluxes are compared as they are, not relative to growth");
    } else {
      scale_by_growth(first);
      scale_by_growth(second);
    }
  }

  // The last reaction of a name in the second network decides.
  std::unordered_map<std::string, int> second_index;
  const int n1 = static_cast<int>(first.names.size()) - 1;
  const int n2 = static_cast<int>(second.names.size()) - 1;
  for (int k = 1; k <= n2; ++k) second_index[second.names[k]] = k;

  NetworkModel& m = wb.model;
  m.reserve_reactions(std::max(n1, n2));
  std::fill(m.reaction_names.begin(), m.reaction_names.end(), std::string());
  std::fill(m.flux.begin(), m.flux.end(), 0.0f);
  std::fill(m.reduced_cost.begin(), m.reduced_cost.end(), 0.0f);
  for (int i = 1; i <= n1; ++i) {
    auto it = second_index.find(first.names[i]);
    if (it == second_index.end()) {
      ++summary.class_counts[kClassMissing];
      continue;
    }
    const ComparisonOutcome outcome =
        compare_fluxes(first.flux[i], second.flux[it->second], wb.tools.comparison);
    m.reaction_names[i] = first.names[i];
    m.flux[i] = outcome.value;
    m.reduced_cost[i] = outcome.comparison_class;
    ++summary.class_counts[class_index(outcome.comparison_class)];
  }
  m.num_of_reactions = std::max(n1, n2);
  summary.first_reactions = n1;
  summary.second_reactions = n2;
}

void add_network_tools_fields(Workbench& wb, std::vector<SettingField>& fields) {
  using F = SettingField;
  ComparisonSettings& c = wb.tools.comparison;
  fields.push_back(F::any_number_field("compare.increased_threshold", &c.increased_threshold));
  fields.push_back(F::any_number_field("compare.decreased_threshold", &c.decreased_threshold));
  fields.push_back(F::integer_field("compare.relative_to_growth", &c.relative_to_growth, 0, 1));
}

}  // namespace vemo
