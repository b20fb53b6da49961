// The inputs of "Read P": the pathway network's reaction list ("test_path.txt"), its pathways
// ("pathways.txt") and the name-value lists of the primal and dual reports.
//
// Each reader takes the whole text of its file and returns why it refuses it, or an empty string.
// Reading always stops at the end of the text; a text that ends before what it must hold, a
// number position that holds no number, a name over 11 characters and any table beyond its limit
// are refused.
#ifndef VEMO_ANALYSES_PATHWAY_INPUTS_H_
#define VEMO_ANALYSES_PATHWAY_INPUTS_H_

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/network_model.h"
#include "model/stoich_matrix.h"

namespace vemo {

inline constexpr size_t kMaxPathwayName = 11;
// The tables grow; these keep a broken file from exhausting memory. A pathway network is as large
// as the networks the model holds at most ("Obj" is one more reaction row).
inline constexpr int kMaxPathwayReactions = kMaxReactions - 1;
inline constexpr int kMaxPathways = kMaxReactions;
inline constexpr int kMaxReportEntries = kMaxReactions > kMaxRows ? kMaxReactions : kMaxRows;
inline constexpr long kMaxPathwayCoefficients = 20000000;  // non-zero, over all pathways

// The four blocks of "pathways.txt", in file order, by their label.
inline constexpr std::array<const char*, 4> kPathwayBlockLabels = {"Pri.", "Fut.", "Rev.", "Obj."};

struct PathwayNetwork {
  // Reaction rows: 1 is "Obj", 2..R the reactions of "test_path.txt" in file order.
  std::vector<std::string> reaction_names = {"", "Obj"};
  // 1 + the number of reactions listed before the "(Exchange" heading.
  int exchange_start = 1;
  std::array<int, 4> block_sizes{};
  // Pathways 1..N (entry 0 unused): their non-zero coefficients by reaction row (2..R), in row
  // order.
  std::vector<std::vector<MatrixEntry>> pathways = std::vector<std::vector<MatrixEntry>>(1);

  int num_rows() const { return static_cast<int>(reaction_names.size()) - 1; }
  int num_pathways() const { return static_cast<int>(pathways.size()) - 1; }
};

struct NamedValue {
  std::string name;
  float value;
};

// Lines starting with "/" are comments, with "(" headings (the first word "(Exchange" notes how
// many reactions came before it), with white space or nothing are skipped; any other line is a
// reaction named by its first word without that word's last character.
std::string read_path_reactions(std::string_view text, PathwayNetwork& network);

// Four blocks, each two words, a count n and n times R0 coefficients (R0 the reactions read by
// read_path_reactions, in their order).
std::string read_pathways(std::string_view text, PathwayNetwork& network);

// The primal report: the pairs after the word "fluxes" up to the name "end".
std::string read_primal_list(std::string_view text, std::vector<NamedValue>& fluxes);

// The dual report: the pairs after "Prices" up to the name "Reduced", one word, then the pairs up
// to "end".
std::string read_dual_lists(std::string_view text, std::vector<NamedValue>& shadow_prices,
                            std::vector<NamedValue>& reduced_costs);

// The name of the file in the working folder that is called name ignoring case: name itself when
// it exists, else the first such file in name order, else name. The reports are "Primal.out" and
// "Dual.out" by default, which "Read P" asks for as "primal.out" and "dual.out".
std::string find_ignoring_case(const std::string& name);

}  // namespace vemo

#endif  // VEMO_ANALYSES_PATHWAY_INPUTS_H_
