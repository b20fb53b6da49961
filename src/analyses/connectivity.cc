#include "analyses/connectivity.h"

#include <cstdio>
#include <string_view>
#include <utility>

#include "model/file_open.h"
#include "model/reactions_reader.h"

namespace vemo {

bool is_excluded_from_connectivity(const std::string& name) {
  static constexpr std::string_view kExcluded[] = {"VGRO",   "FATP", "FNADH",
                                                   "FNADPH", "ATPM", "Growth"};
  for (std::string_view excluded : kExcluded) {
    if (name == excluded) return true;
  }
  return name.ends_with("xtI") || name.ends_with("xtO");
}

std::vector<int> connectivity_counts(const NetworkModel& model) {
  std::vector<int> counts(static_cast<size_t>(model.num_of_rows) + 1, 0);
  for (int j = 1; j <= model.num_of_reactions; ++j) {
    if (is_excluded_from_connectivity(model.reaction_names[j])) continue;
    for (const MatrixEntry& e : model.stoich_matrix.column(j)) {
      if (e.row >= 1 && e.row <= model.num_of_rows) ++counts[e.row];
    }
  }
  return counts;
}

void connectivity(Workbench& wb) {
  wb.input_refused = false;
  read_data(wb);
  if (wb.input_refused) return;
  const NetworkModel& m = wb.model;
  const std::vector<int> counts = connectivity_counts(m);
  const std::string& name = wb.settings.connectivity_file;
  FilePtr out = open_with_retry(wb, name, OpenMode::kWrite);
  if (!out) return;
  for (int i = 1; i <= m.num_of_rows; ++i) {
    std::fprintf(out.get(), "%s %i\n", m.row_names[i].c_str(), counts[i]);
  }
  wb.tools.connectivity_rows = m.num_of_rows;
  finish_writing(wb, std::move(out), name);
}

}  // namespace vemo
