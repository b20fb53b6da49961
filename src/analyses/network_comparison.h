// "&Do Comparison": optimises the usual reactions file and the second one and leaves, for every
// reaction of the first network, a comparison value in flux and a comparison class in
// reduced_cost, with second_file_read set so that the map shows the comparison.
//
// Reaction names are kept only for reactions the second network also has; every other entry of
// reaction_names, flux and reduced_cost is cleared. The rows, matrix and bounds are those of the
// second network as its Read Data left them; num_of_reactions is the larger of the two reaction
// counts, so that every compared reaction of the first network is within reach of the map.
//
// The command stops, leaving the model as the last read and solve left it, when the user gives
// up on a reactions file, a file is refused, or a network has no optimal solution (there are no
// fluxes to compare then). With relative_to_growth on and an optimum of 0 the fluxes have no
// finite ratio to the growth: both networks are then compared by their plain fluxes and the user
// is told so.
#ifndef VEMO_ANALYSES_NETWORK_COMPARISON_H_
#define VEMO_ANALYSES_NETWORK_COMPARISON_H_

#include <vector>

#include "analyses/network_tools_state.h"
#include "model/setting_fields.h"
#include "model/workbench.h"

namespace vemo {

// A flux within this distance of 0 counts as 0, both for the comparison value and for the
// signs that decide the class; an optimum within it counts as 0 for relative_to_growth.
inline constexpr double kComparisonZero = 1e-07;

struct ComparisonOutcome {
  float value = 0.0f;
  float comparison_class = 0.0f;
};

// The comparison value and class of a reaction whose flux (already scaled) is a in the first
// network and b in the second.
ComparisonOutcome compare_fluxes(float a, float b, const ComparisonSettings& settings);

void do_comparison(Workbench& wb);

// The comparison options as "--set" fields: "compare.increased_threshold",
// "compare.decreased_threshold" (any number, the dialog sets no range) and
// "compare.relative_to_growth" (0 or 1). The second reactions file is a plain model field.
void add_network_tools_fields(Workbench& wb, std::vector<SettingField>& fields);

}  // namespace vemo

#endif  // VEMO_ANALYSES_NETWORK_COMPARISON_H_
