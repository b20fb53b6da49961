#include "model/stoich_matrix.h"

#include <algorithm>

namespace vemo {

namespace {

const std::vector<MatrixEntry> kEmptyColumn;

// The first entry of the column whose row is not below i (works on const and mutable columns).
template <typename Column>
auto find_row(Column& column, int i) {
  return std::lower_bound(column.begin(), column.end(), i,
                          [](const MatrixEntry& e, int row) { return e.row < row; });
}

}  // namespace

float StoichMatrix::at(int i, int j) const {
  const std::vector<MatrixEntry>& col = column(j);
  auto it = find_row(col, i);
  return (it != col.end() && it->row == i) ? it->value : 0.0f;
}

void StoichMatrix::set(int i, int j, float value) {
  if (i < 0 || j < 0) return;
  if (static_cast<size_t>(j) >= columns_.size()) {
    if (value == 0.0f) return;
    columns_.resize(static_cast<size_t>(j) + 1);
  }
  std::vector<MatrixEntry>& col = columns_[static_cast<size_t>(j)];
  auto it = find_row(col, i);
  const bool present = it != col.end() && it->row == i;
  if (value == 0.0f) {
    if (present) col.erase(it);
  } else if (present) {
    it->value = value;
  } else {
    col.insert(it, MatrixEntry{i, value});
  }
}

const std::vector<MatrixEntry>& StoichMatrix::column(int j) const {
  if (j < 0 || static_cast<size_t>(j) >= columns_.size()) return kEmptyColumn;
  return columns_[static_cast<size_t>(j)];
}

void StoichMatrix::clear() { columns_.clear(); }

}  // namespace vemo
