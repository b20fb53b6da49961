// "Read P": evaluates the pathways of a pathway-oriented description of the network against the
// last optimisation, as the primal and dual reports ("primal.out", "dual.out", found ignoring
// case) recorded it. The network model is neither read nor changed.
//
// The fluxes are mapped onto the pathway network's reactions by name: a reversible reaction XR
// is X (forward) and X_r (backward); an output Xxt_o is the negated uptake XxtI (else the
// secretion XxtO); any other output X_o is the drain XMAX (ATP, NADH and NADPH keep their own
// flux). The flux is then decomposed into a non-negative combination of the pathways by one
// linear program whose costs are random_draw / 32767, one draw per pathway in order, and every
// pathway is valued with the reduced costs and shadow prices mapped the same way. The suffix
// tests need a name longer than the suffix ("_r", "_o": at least 3 characters; "xt_o": 5).
//
// Writes "pathway_results.out" (weight and cost per pathway) and "test.txt" (every intermediate
// list). A file the user gives up on ends the command with what was written so far; an input the
// readers refuse ends it with a message, nothing evaluated. When the flux cannot be decomposed
// the report is still written, and the user is told that its weights are no decomposition.
#ifndef VEMO_ANALYSES_PATHWAY_EVALUATION_H_
#define VEMO_ANALYSES_PATHWAY_EVALUATION_H_

#include "model/workbench.h"

namespace vemo {

inline constexpr const char* kPathReactionsFile = "test_path.txt";
inline constexpr const char* kPathwaysFile = "pathways.txt";
inline constexpr const char* kPrimalReadBackFile = "primal.out";
inline constexpr const char* kDualReadBackFile = "dual.out";
inline constexpr const char* kPathwayTraceFile = "test.txt";
inline constexpr const char* kPathwayResultsFile = "pathway_results.out";

void read_p(Workbench& wb);

}  // namespace vemo

#endif  // VEMO_ANALYSES_PATHWAY_EVALUATION_H_
