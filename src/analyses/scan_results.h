// The result lists the scans leave for the diagrams. Each list is numbered from 1 and always
// holds an all-zero record after its last entry: the plots read up to that slot.
#ifndef VEMO_ANALYSES_SCAN_RESULTS_H_
#define VEMO_ANALYSES_SCAN_RESULTS_H_

#include <array>
#include <cstddef>
#include <vector>

namespace vemo {

// Shadow prices of the watched rows and fluxes of the exchange reactions at one solved point.
struct ExchangeReadings {
  float dual_nadh = 0, dual_nad = 0, dual_nadp = 0, dual_nadph = 0;
  float dual_atp = 0, dual_adp = 0, dual_pi = 0;
  float dual_acxt = 0, dual_ethxt = 0, dual_forxt = 0, dual_succxt = 0, dual_o2xt = 0;
  float flux_forxto = 0, flux_acxto = 0, flux_ethxto = 0, flux_succxto = 0, flux_lacxto = 0;
  float flux_o2xto = 0, flux_o2xti = 0;

  // The net prices of the redox and energy carriers, as the reports give them.
  float nadh_net() const { return dual_nadh - dual_nad; }
  float nadph_net() const { return dual_nadph - dual_nadp; }
  float atp_net() const { return dual_atp - dual_adp - dual_pi; }
};

struct PhasePoint {
  float x_value = 0, y_value = 0;
  float all_dec = 0, all_inc = 0;  // ranging of the axis metabolite's row
  float growth = 0;
  float dual_x_met = 0, dual_y_met = 0;
  ExchangeReadings r;
};

struct IsoclinePoint {
  float x_value = 0, y_value = 0;
  float growth = 0;
  float dual_glcxt = 0;
  ExchangeReadings r;
};

struct RobustPoint {
  float enzyme_flux = 0;
  int istat = 0;
  float growth = 0;
};

// A list numbered from 1 that keeps a zero record after its last entry. Slots past the count
// keep what an earlier run left there until overwritten, as a 3-D phase-plane run relies on.
template <typename T>
struct PointList {
  std::vector<T> entries = std::vector<T>(2);
  int count = 0;

  // Empties the list and sets every slot to zero.
  void clear() {
    entries.assign(2, T{});
    count = 0;
  }
  T& append(const T& point) {
    ++count;
    if (static_cast<int>(entries.size()) < count + 2)
      entries.resize(static_cast<size_t>(count) + 2);
    entries[count] = point;
    entries[count + 1] = T{};
    return entries[count];
  }
  T& operator[](int k) { return entries[k]; }
  const T& operator[](int k) const { return entries[k]; }
};

struct PhasePlaneResult {
  PointList<PhasePoint> section1_points;
  PointList<PhasePoint> section2_points;
  std::vector<std::array<float, 3>> points_3d{1};  // (x, y, z), numbered from 1
  int points_3d_count = 0;
  int solves = 0;
};

struct IsoclineResult {
  PointList<IsoclinePoint> isocline_points;
  int isocline_count = 0;
  int solves = 0;
};

struct RobustnessResult {
  PointList<RobustPoint> robust_points;
  int solves = 0;
};

}  // namespace vemo

#endif  // VEMO_ANALYSES_SCAN_RESULTS_H_
