#include "lp/solution_reports.h"

#include <cstdio>
#include <utility>

#include "model/file_open.h"

namespace vemo {

namespace {

double wide(float value) { return static_cast<double>(value); }

// "Objective", the line of non-zero objective terms and the objective value, shared by the primal
// and dual reports; section is the heading that follows.
void write_objective_head(const NetworkModel& m, std::FILE* out, const char* section) {
  std::fprintf(out, "Objective\n");
  for (int j = 1; j <= m.num_of_reactions; ++j) {
    const float coefficient = m.stoich_matrix.at(1, j);
    if (coefficient != 0.0f) {
      std::fprintf(out, "%5.2f %s ", wide(coefficient), m.reaction_names[j].c_str());
    }
  }
  std::fprintf(out, "\n%f\n\n%s\n", wide(m.objective_value), section);
}

}  // namespace

void print_primal(Workbench& wb) {
  FilePtr out = open_with_retry(wb, wb.settings.primal_file, OpenMode::kWrite);
  if (!out) return;
  const NetworkModel& m = wb.model;
  write_objective_head(m, out.get(), "fluxes");
  for (int j = 1; j <= m.num_of_reactions; ++j) {
    std::fprintf(out.get(), "%12s %12.8f \n", m.reaction_names[j].c_str(), wide(m.flux[j]));
  }
  std::fprintf(out.get(), "end");
  finish_writing(wb, std::move(out), wb.settings.primal_file);
}

void print_dual(Workbench& wb) {
  FilePtr out = open_with_retry(wb, wb.settings.dual_file, OpenMode::kWrite);
  if (!out) return;
  const NetworkModel& m = wb.model;
  write_objective_head(m, out.get(), "Shadow Prices");
  for (int i = 1; i <= m.num_of_rows; ++i) {
    std::fprintf(out.get(), "%12s %10.8f \n", m.row_names[i].c_str(), wide(m.shadow_price[i]));
  }
  std::fprintf(out.get(), "\n\nReduced Costs\n");
  for (int j = 1; j <= m.num_of_reactions; ++j) {
    std::fprintf(out.get(), "%12s %10.8f \n", m.reaction_names[j].c_str(), wide(m.reduced_cost[j]));
  }
  std::fprintf(out.get(), "end");
  finish_writing(wb, std::move(out), wb.settings.dual_file);
}

void print_stmat(Workbench& wb) {
  FilePtr out = open_with_retry(wb, wb.settings.stmat_file, OpenMode::kWrite);
  if (!out) return;
  const NetworkModel& m = wb.model;
  std::fprintf(out.get(), "%i X %i\n", m.num_of_rows, m.num_of_reactions);
  std::fprintf(out.get(), "             ");
  for (int j = 1; j <= m.num_of_reactions; ++j) {
    std::fprintf(out.get(), " %5s ", m.reaction_names[j].c_str());
  }
  std::fprintf(out.get(), "\n");
  for (int i = 1; i <= m.num_of_rows; ++i) {
    std::fprintf(out.get(), "%12s ", m.row_names[i].c_str());
    for (int j = 1; j <= m.num_of_reactions; ++j) {
      std::fprintf(out.get(), " %5.2f ", wide(m.stoich_matrix.at(i, j)));
    }
    std::fprintf(out.get(), "\n");
  }
  finish_writing(wb, std::move(out), wb.settings.stmat_file);
}

}  // namespace vemo
