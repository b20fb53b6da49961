// The objectives the user can choose: growth, the file's own objective, or the production of one
// energy, redox or precursor metabolite through its "MAX" drain reaction.
#ifndef VEMO_MODEL_OBJECTIVE_CHOICE_H_
#define VEMO_MODEL_OBJECTIVE_CHOICE_H_

#include <array>
#include <string>

namespace vemo {

struct Workbench;

// The choice that keeps the objective written in the reactions file.
inline constexpr int kFileObjective = 4;

struct ObjectiveOption {
  const char* label;     // the dialog's radio button, exactly as shown
  const char* reaction;  // the reaction made the objective; empty for the file's objective
};

// Indexed by objective_choice, in the dialog's order.
inline constexpr std::array<ObjectiveOption, 17> kObjectiveOptions = {{
    {"Growth Yield", "Growth"},
    {"ATP Synthesis ", "ATPMAX"},
    {"NADH Synthesis", "NADHMAX"},
    {"NADPH Synthesis", "NADPHMAX"},
    {"Other", ""},
    {"Glucose-6-Phosphate", "G6PMAX"},
    {"Fructose-6-Phosphate", "F6PMAX"},
    {"Ribose-5-Phosphate", "R5PMAX"},
    {"Erythrose-4-Phosphate", "E4PMAX"},
    {"Triose-3-Phosphate", "T3P1MAX"},
    {"3-Phosphoglycerate", "3PGMAX"},
    {"Phosphoenolpyruvate", "PEPMAX"},
    {"Pyruvate", "PYRMAX"},
    {"Acetyl-CoA", "ACCOAMAX"},
    {"Oxaloacetate", "OAMAX"},
    {"a-Ketogluarate", "AKGMAX"},
    {"Succinyl-CoA", "SUCAMAX"},
}};

// Installs the objective chosen by objective_choice in the freshly read network: every "MAX"
// drain is held at 0; unless the file's objective is chosen, the chosen reaction becomes the only
// objective term (coefficient 1, lower bound 0, no upper bound). When the network lacks it,
// "Growth" takes its place and objective_choice becomes the file's objective.
void install_objective(Workbench& wb);

}  // namespace vemo

#endif  // VEMO_MODEL_OBJECTIVE_CHOICE_H_
