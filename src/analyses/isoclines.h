// "Make isoclines": the optimum on a regular grid of two exchange fluxes. Every point solved to
// optimality is kept, sorted by growth (ties in scan order), in wb.isocline_result and written to
// settings.isocline_file; with print_fluxes the flux of every reaction at every grid point goes
// to "IsoclineFluxes.out".
#ifndef VEMO_ANALYSES_ISOCLINES_H_
#define VEMO_ANALYSES_ISOCLINES_H_

#include "model/workbench.h"

namespace vemo {

inline constexpr const char* kIsoclineFluxesFile = "IsoclineFluxes.out";
// Most numbers "IsoclineFluxes.out" may hold (reactions x grid points); a larger table is
// refused before the scan.
inline constexpr double kMaxIsoclineFluxValues = 5e7;

void make_isoclines(Workbench& wb);

}  // namespace vemo

#endif  // VEMO_ANALYSES_ISOCLINES_H_
