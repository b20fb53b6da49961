#include "analyses/conditioned_matrix.h"

#include <cstdio>
#include <string_view>
#include <utility>

#include "model/file_open.h"

namespace vemo {

namespace {

// Fluxes and entries within this distance of 0 carry nothing.
constexpr double kCarries = 1e-07;

bool beyond_zero(float value) { return value > kCarries || value < -kCarries; }

// The list file breaks its line after this many values.
constexpr int kValuesPerLine = 10;

double wide(float value) { return static_cast<double>(value); }

void write_table(std::FILE* f, const NetworkModel& m, const ConditionedSelection& s) {
  std::fprintf(f, "%i X %i\n", static_cast<int>(s.rows.size()), static_cast<int>(s.columns.size()));
  std::fprintf(f, "             ");
  for (int j : s.columns) std::fprintf(f, " %5s ", m.reaction_names[j].c_str());
  std::fprintf(f, "\n");
  for (int i : s.rows) {
    std::fprintf(f, "%12s ", m.row_names[i].c_str());
    for (int j : s.columns) std::fprintf(f, " %5.2f ", wide(m.stoich_matrix.at(i, j)));
    std::fprintf(f, "\n");
  }
}

void write_list(std::FILE* f, const NetworkModel& m, const ConditionedSelection& s) {
  std::fprintf(f, "S = {\n");
  int on_line = 0;
  for (size_t r = 1; r < s.rows.size(); ++r) {
    std::fprintf(f, "{");
    for (size_t c = 0; c < s.columns.size(); ++c) {
      std::fprintf(f, "%10.7f", wide(m.stoich_matrix.at(s.rows[r], s.columns[c])));
      if (c + 1 < s.columns.size()) std::fprintf(f, ",");
      if (++on_line == kValuesPerLine) {
        std::fprintf(f, "\n");
        on_line = 0;
      }
    }
    std::fprintf(f, r + 1 < s.rows.size() ? "},\n" : "}");
  }
  std::fprintf(f, "}\n");
}

}  // namespace

bool is_excluded_from_conditioned_matrix(const std::string& name) {
  static constexpr std::string_view kExcluded[] = {"VGRO",   "Growth", "ATPM",   "PIUP1R",
                                                   "O2TXR",  "CO2TXR", "PIUP2R", "ACUPR",
                                                   "NH3UPR", "H2SO4UP"};
  static constexpr std::string_view kEndings[] = {"xtI",  "xtO", "UP",   "UPR", "UP1",
                                                  "UP1R", "UP2", "UP2R", "UP3", "UP3R"};
  for (std::string_view excluded : kExcluded) {
    if (name == excluded) return true;
  }
  for (std::string_view ending : kEndings) {
    if (name.ends_with(ending)) return true;
  }
  return false;
}

ConditionedSelection select_conditioned_matrix(const NetworkModel& m) {
  ConditionedSelection s;
  for (int j = 1; j <= m.num_of_reactions; ++j) {
    if (!is_excluded_from_conditioned_matrix(m.reaction_names[j]) && beyond_zero(m.flux[j])) {
      s.columns.push_back(j);
    }
  }
  std::vector<char> touched(static_cast<size_t>(m.num_of_rows) + 1, 0);
  for (int j : s.columns) {
    for (const MatrixEntry& e : m.stoich_matrix.column(j)) {
      if (e.row >= 1 && e.row <= m.num_of_rows && beyond_zero(e.value)) touched[e.row] = 1;
    }
  }
  for (int i = 1; i <= m.num_of_rows; ++i) {
    if (touched[i] && !m.row_names[i].ends_with("xt")) s.rows.push_back(i);
  }
  return s;
}

void make_conditioned_matrix(Workbench& wb) {
  const NetworkModel& m = wb.model;
  const ConditionedSelection s = select_conditioned_matrix(m);
  wb.tools.conditioned_rows = static_cast<int>(s.rows.size());
  wb.tools.conditioned_columns = static_cast<int>(s.columns.size());

  FilePtr table = open_with_retry(wb, kConditionedMatrixFile, OpenMode::kWrite);
  if (!table) return;
  write_table(table.get(), m, s);
  finish_writing(wb, std::move(table), kConditionedMatrixFile);

  FilePtr list = open_with_retry(wb, kMathConditionedMatrixFile, OpenMode::kWrite);
  if (!list) return;
  write_list(list.get(), m, s);
  finish_writing(wb, std::move(list), kMathConditionedMatrixFile);
}

}  // namespace vemo
