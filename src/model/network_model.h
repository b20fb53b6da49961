// The network model: the network read from the reactions file, the last solution and the flags
// that commands pass to each other. Every table is numbered from 1; entry 0 is never used.
//
// The tables are growable (large networks fit) but keep the documented shape: reaction tables
// hold at least num_of_reactions + 1 entries and row tables at least num_of_rows + 1, bound and
// solution values survive a new read exactly as fixed tables would. Use reserve_reactions() and
// reserve_rows() before writing past the current size.
#ifndef VEMO_MODEL_NETWORK_MODEL_H_
#define VEMO_MODEL_NETWORK_MODEL_H_

#include <string>
#include <vector>

#include "model/stoich_matrix.h"

namespace vemo {

// Names are at most 8 characters; the reader may store 9 and reports those as too long.
inline constexpr size_t kMaxNameLength = 8;
// Upper limits of the growable tables: far beyond any metabolic network, small enough that a
// broken file cannot exhaust memory.
inline constexpr int kMaxReactions = 200000;
inline constexpr int kMaxRows = 200000;

struct NetworkModel {
  int num_of_reactions = 0;
  int num_of_rows = 0;

  std::vector<std::string> reaction_names;
  std::vector<std::string> row_names;
  StoichMatrix stoich_matrix;
  std::vector<int> row_sense;  // rows 2..: 1 <=, -1 >=, 0 =; row 1: 1 minimise, -1 maximise
  std::vector<float> row_rhs;
  std::vector<float> lower_bound;
  std::vector<float> upper_bound;
  std::vector<int> has_lower_bound;
  std::vector<int> has_upper_bound;

  std::vector<float> flux;
  std::vector<float> reduced_cost;
  std::vector<float> shadow_price;
  float objective_value = 0.0f;

  int file_abort = 0;
  int use_second_file = 0;
  int second_file_read = 0;
  int do_ranging = 0;
  int objective_choice = 4;

  // Not part of the documented store: the library status of the last optimisation, kept so the
  // front ends can say whether the numbers they show are an optimum.
  int last_istat = 0;

  NetworkModel();

  // Grows every reaction table to hold reaction numbers up to n (new entries zero or empty).
  void reserve_reactions(int n);
  // Grows every row table to hold row numbers up to n.
  void reserve_rows(int n);

  // The reaction / row number with exactly this name among 1..num_of_*, or 0.
  int find_reaction(const std::string& name) const;
  int find_row(const std::string& name) const;
  // The same, the last of several equal names winning (the analyses' lookup rule).
  int find_last_reaction(const std::string& name) const;
  int find_last_row(const std::string& name) const;
};

// A reaction whose name ends in "R" is reversible; any other is irreversible (lower bound 0).
bool is_reversible_name(const std::string& name);
// A reaction whose name ends in "MAX" is one of the production drains of the objective choice.
bool is_max_reaction(const std::string& name);

}  // namespace vemo

#endif  // VEMO_MODEL_NETWORK_MODEL_H_
