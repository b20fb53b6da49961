// Checks that keep every scan finite: a step that cannot advance is refused before the scan
// starts, a scan larger than kMaxScanSolves is refused, and a value that stops growing under
// float addition ends the scan instead of looping for ever.
#ifndef VEMO_ANALYSES_SCAN_GUARD_H_
#define VEMO_ANALYSES_SCAN_GUARD_H_

#include <string>

#include "model/workbench.h"

namespace vemo {

// Most solves a scan may plan; larger scans are refused up front.
inline constexpr double kMaxScanSolves = 1e7;

// How many values from..to a loop "v = from; v <= to; v += step" visits (0 when from > to).
double values_in_range(float from, float to, float step);

// Refuses (with a message naming the scan and the setting) a step that is not positive.
bool step_is_positive(Workbench& wb, const std::string& scan, const std::string& setting,
                      float step);

// Refuses a scan that would plan more than kMaxScanSolves solves.
bool scan_size_fits(Workbench& wb, const std::string& scan, double solves);

// True when v + step moves v; otherwise the scan is stopped with a message.
bool advances(Workbench& wb, const std::string& scan, float before, float after);

}  // namespace vemo

#endif  // VEMO_ANALYSES_SCAN_GUARD_H_
