// The coefficient matrix of the network: row 1 holds the objective coefficients, rows 2.. the
// metabolite balances; numbered from 1 like every table of the model.
//
// Stored by column as sorted (row, value) lists, since a reaction touches only a handful of
// metabolites: memory follows the number of coefficients, not rows x columns, so large networks
// fit. A zero is never stored; at() answers 0 for every position that holds none.
#ifndef VEMO_MODEL_STOICH_MATRIX_H_
#define VEMO_MODEL_STOICH_MATRIX_H_

#include <vector>

namespace vemo {

struct MatrixEntry {
  int row;
  float value;
};

class StoichMatrix {
 public:
  // The coefficient at (row i, column j); 0 outside the stored entries.
  float at(int i, int j) const;
  // Sets (i, j) to value; setting 0 removes the entry. Grows the column table as needed.
  void set(int i, int j, float value);
  // The non-zero entries of column j in ascending row order (empty for an unknown column).
  const std::vector<MatrixEntry>& column(int j) const;
  // Removes every entry.
  void clear();

 private:
  std::vector<std::vector<MatrixEntry>> columns_;
};

}  // namespace vemo

#endif  // VEMO_MODEL_STOICH_MATRIX_H_
