// The names of every input and report file and the reaction and metabolite names the analysis
// dialogs let the user choose. Bare names refer to the working folder. Nothing is saved between
// runs: every start begins from these defaults.
#ifndef VEMO_MODEL_SETTINGS_H_
#define VEMO_MODEL_SETTINGS_H_

#include <string>

namespace vemo {

struct Settings {
  std::string reactions_file = "path.stm";
  std::string second_reactions_file = "Path2.stm";
  std::string primal_file = "Primal.out";
  std::string dual_file = "Dual.out";
  std::string stmat_file = "Stmat.out";
  std::string phase_file = "phasedata.out";
  std::string mapper_file = "mapper.txt";
  std::string deletion_input_file = "deletion.txt";
  std::string single_deletion_file = "SingleDeletion.out";
  std::string double_deletion_file = "DoubleDeletion.out";
  std::string triple_deletion_file = "TripleDeletion.out";
  std::string detailed_deletion_file = "DetailedDeletion.out";
  std::string isocline_file = "Isocline.out";
  std::string robust_file = "robust.out";
  std::string connectivity_file = "Connectivity.out";
  std::string robust_enzyme_1 = "TKTA";
  std::string robust_enzyme_2 = "TKTB";
  std::string robust_enzyme_3;
  std::string phase_x_flux = "GLCxtI";
  std::string phase_y_flux = "O2xtI";
  std::string phase_z_flux = "SUCCxtI";
  std::string phase_x_metabolite = "GLCxt";
  std::string phase_y_metabolite = "O2xt";
  std::string isocline_x_flux = "GLCxtI";
  std::string isocline_y_flux = "O2xtI";
  // The echo of the last reading; not editable.
  std::string notes_file = "notes.out";
};

}  // namespace vemo

#endif  // VEMO_MODEL_SETTINGS_H_
