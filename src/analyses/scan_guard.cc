#include "analyses/scan_guard.h"

#include <cmath>
#include <cstdio>

namespace vemo {

double values_in_range(float from, float to, float step) {
  if (from > to || !(step > 0.0f)) return 0.0;
  return std::floor((static_cast<double>(to) - from) / step) + 1.0;
}

bool step_is_positive(Workbench& wb, const std::string& scan, const std::string& setting,
                      float step) {
  if (step > 0.0f) return true;
  refuse_input(wb, scan + ": the " + setting + " must be greater than 0, or the scan never ends");
  return false;
}

bool scan_size_fits(Workbench& wb, const std::string& scan, double solves) {
  if (solves <= kMaxScanSolves) return true;
  char text[160];
  std::snprintf(text, sizeof text,
                "%s: the ranges and steps ask for up to %.0f solves, more than "
                "the %.0f a scan may take",
                scan.c_str(), solves, kMaxScanSolves);
  refuse_input(wb, text);
  return false;
}

bool advances(Workbench& wb, const std::string& scan, float before, float after) {
  if (after > before) return true;
  refuse_input(wb, scan + ": the scanned value stopped growing at " + std::to_string(before) +
                       " (the step is too small for it); the scan ended there");
  return false;
}

}  // namespace vemo
