#include "model/network_model.h"

namespace vemo {

namespace {

// The fixed tables of the classic layout had 1200 entries; starting there keeps small networks
// from reallocating at all.
constexpr int kInitialEntries = 1200;

template <typename T>
void grow(std::vector<T>& table, int n) {
  const size_t needed = static_cast<size_t>(n) + 1;
  if (table.size() < needed) table.resize(needed);
}

}  // namespace

NetworkModel::NetworkModel() {
  reserve_reactions(kInitialEntries - 1);
  reserve_rows(kInitialEntries - 1);
}

void NetworkModel::reserve_reactions(int n) {
  grow(reaction_names, n);
  grow(lower_bound, n);
  grow(upper_bound, n);
  grow(has_lower_bound, n);
  grow(has_upper_bound, n);
  grow(flux, n);
  grow(reduced_cost, n);
}

void NetworkModel::reserve_rows(int n) {
  grow(row_names, n);
  grow(row_sense, n);
  grow(row_rhs, n);
  grow(shadow_price, n);
}

int NetworkModel::find_reaction(const std::string& name) const {
  for (int j = 1; j <= num_of_reactions; ++j) {
    if (reaction_names[j] == name) return j;
  }
  return 0;
}

int NetworkModel::find_row(const std::string& name) const {
  for (int i = 1; i <= num_of_rows; ++i) {
    if (row_names[i] == name) return i;
  }
  return 0;
}

int NetworkModel::find_last_reaction(const std::string& name) const {
  for (int j = num_of_reactions; j >= 1; --j) {
    if (reaction_names[j] == name) return j;
  }
  return 0;
}

int NetworkModel::find_last_row(const std::string& name) const {
  for (int i = num_of_rows; i >= 1; --i) {
    if (row_names[i] == name) return i;
  }
  return 0;
}

bool is_reversible_name(const std::string& name) { return !name.empty() && name.back() == 'R'; }

bool is_max_reaction(const std::string& name) {
  return name.size() >= 3 && name.compare(name.size() - 3, 3, "MAX") == 0;
}

}  // namespace vemo
