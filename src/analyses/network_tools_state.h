// Settings and results of the network tools (comparison of two networks, connectivity, matrix
// exports, obscured matrix files, pathway evaluation) kept in the Workbench. The results are what
// the front ends need for their summaries; the tools' real output is the model and their files.
#ifndef VEMO_ANALYSES_NETWORK_TOOLS_STATE_H_
#define VEMO_ANALYSES_NETWORK_TOOLS_STATE_H_

#include <array>

namespace vemo {

// The options of the network comparison (the second reactions file is in the Settings).
struct ComparisonSettings {
  float increased_threshold = 1.5f;
  float decreased_threshold = 1.5f;
  int relative_to_growth = 1;
};

// The comparison classes, in the order of ComparisonSummary::class_counts.
enum ComparisonClassIndex {
  kClassMissing,    // 0: not in the second network
  kClassDecreased,  // 0.5
  kClassSimilar,    // 1.0
  kClassIncreased,  // 1.5
  kClassReversed,   // 2.0
  kClassAppeared,   // 3.0
  kClassVanished,   // 4.0
  kClassBothZero,   // 5.0
  kNumComparisonClasses
};

struct ComparisonSummary {
  int first_reactions = 0;
  int second_reactions = 0;
  float first_objective = 0.0f;
  float second_objective = 0.0f;
  // Set when relative_to_growth was asked for but an optimum was 0, so both networks were
  // compared by their plain fluxes.
  bool unscaled = false;
  std::array<int, kNumComparisonClasses> class_counts{};
};

struct PathwaySummary {
  int reactions = 0;  // reaction rows, "Obj" included
  int pathways = 0;
  int istat = 0;  // of the decomposition solve
};

struct NetworkToolsState {
  ComparisonSettings comparison;
  ComparisonSummary last_comparison;
  int connectivity_rows = 0;
  int conditioned_rows = 0;     // R of the last conditioned matrix
  int conditioned_columns = 0;  // C
  PathwaySummary last_pathways;
};

}  // namespace vemo

#endif  // VEMO_ANALYSES_NETWORK_TOOLS_STATE_H_
