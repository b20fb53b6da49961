#include "model/objective_choice.h"

#include "model/workbench.h"

namespace vemo {

namespace {

void hold_drains_at_zero(NetworkModel& m) {
  for (int j = 1; j <= m.num_of_reactions; ++j) {
    if (!is_max_reaction(m.reaction_names[j])) continue;
    m.has_lower_bound[j] = 1;
    m.lower_bound[j] = 0.0f;
    m.has_upper_bound[j] = 1;
    m.upper_bound[j] = 0.0f;
  }
}

// Makes every reaction of that name an open objective term; returns whether there was one.
bool open_as_objective(NetworkModel& m, const std::string& name) {
  bool found = false;
  for (int j = 1; j <= m.num_of_reactions; ++j) {
    if (m.reaction_names[j] != name) continue;
    m.stoich_matrix.set(1, j, 1.0f);
    m.has_lower_bound[j] = 1;
    m.lower_bound[j] = 0.0f;
    m.has_upper_bound[j] = 0;
    found = true;
  }
  return found;
}

}  // namespace

void install_objective(Workbench& wb) {
  NetworkModel& m = wb.model;
  hold_drains_at_zero(m);
  if (m.objective_choice == kFileObjective) return;

  for (int j = 1; j <= m.num_of_reactions; ++j) m.stoich_matrix.set(1, j, 0.0f);
  const bool known =
      m.objective_choice >= 0 && m.objective_choice < static_cast<int>(kObjectiveOptions.size());
  const std::string target = known ? kObjectiveOptions[m.objective_choice].reaction : "";
  if (!open_as_objective(m, target) && open_as_objective(m, "Growth")) {
    m.objective_choice = kFileObjective;
  }
}

}  // namespace vemo
