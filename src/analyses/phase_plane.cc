#include "analyses/phase_plane.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <utility>

#include "analyses/exchange_watch.h"
#include "analyses/scan_guard.h"
#include "lp/build_lp.h"
#include "model/file_open.h"
#include "model/reactions_reader.h"

namespace vemo {

namespace {

constexpr float kPriceChange = 1e-05f;
constexpr float kNoRange = 1e-06f;
constexpr float kStepAfterFailure = 0.1f;
const char* const kScan = "Make Phase Plane";

// The fourteen watched prices of a point, in a fixed order for comparison.
std::array<float, 14> watched(const PhasePoint& p) {
  const ExchangeReadings& r = p.r;
  return {p.dual_x_met, p.dual_y_met, r.dual_forxt,  r.dual_ethxt, r.dual_acxt,
          r.dual_nadp,  r.dual_nadph, r.dual_succxt, r.dual_pi,    r.dual_adp,
          r.dual_atp,   r.dual_nad,   r.dual_nadh,   r.dual_o2xt};
}

class PhasePlaneScan {
 public:
  explicit PhasePlaneScan(Workbench& wb)
      : wb_(wb), s_(wb.phase), result_(wb.phase_result), watch_(wb.model) {
    const NetworkModel& m = wb.model;
    const Settings& names = wb.settings;
    x_flux_ = m.find_last_reaction(names.phase_x_flux);
    y_flux_ = m.find_last_reaction(names.phase_y_flux);
    z_flux_ = m.find_last_reaction(names.phase_z_flux);
    if (s_.use_metabolite_data != 0) {
      x_met_ = m.find_last_row(names.phase_x_metabolite);
      y_met_ = m.find_last_row(names.phase_y_metabolite);
      if (x_met_ == 0) x_met_ = 2;
      if (y_met_ == 0) y_met_ = 2;
    }
    build_lp(m, lp_, -1);
    current_prices_.assign(static_cast<size_t>(m.num_of_rows) + 1, 0.0f);
    previous_prices_ = current_prices_;
  }

  // Runs the z levels; false when a value stopped advancing (the user was told).
  bool run() {
    result_.section1_points.clear();
    result_.section2_points.clear();
    result_.points_3d_count = 0;
    step_multiplier_ = 1;
    last_list_ = &result_.section1_points;
    lp_.lp_begin_scan();
    float z = s_.z_initial;
    if (z > s_.z_final) return true;
    do {
      if (s_.three_d == 0) z = s_.z_final;
      if (!first_pass(z) || !second_pass(z)) return false;
      if (s_.three_d != 0) keep_level(z);
      const float next = z + s_.z_step;
      if (!advances(wb_, kScan, z, next)) return false;
      z = next;
    } while (z <= s_.z_final);
    return true;
  }

  LpSolver& lp() { return lp_; }

 private:
  // x inner, adaptive on x from the x-axis metabolite's ranging.
  bool first_pass(float z) {
    for (float y = s_.initial_y; y <= s_.final_y;) {
      for (float x = s_.initial_x; x <= s_.final_x;) {
        const float before = x;
        if (!solve_at(x, y, z)) {
          x += kStepAfterFailure;
        } else {
          read_prices();
          record(x, y);
          x = s_.use_metabolite_data != 0 ? advance(x, x_met_) : x + s_.x_step;
        }
        if (!advances(wb_, kScan, before, x)) return false;
      }
      const float next = y + s_.x_step;
      if (!advances(wb_, kScan, y, next)) return false;
      y = next;
    }
    return true;
  }

  // y inner, adaptive on y from the y-axis metabolite's ranging; only with metabolite data.
  bool second_pass(float z) {
    if (s_.use_metabolite_data == 0) return true;
    step_multiplier_ = 1;
    for (float x = s_.initial_x; x <= s_.final_x;) {
      for (float y = s_.initial_y; y <= s_.final_y;) {
        const float before = y;
        const bool solved = solve_at(x, y, z);
        read_prices();  // read and compared whatever the status
        if (!solved) {
          y += kStepAfterFailure;
        } else {
          record(x, y);
          y = advance(y, y_met_);
        }
        if (!advances(wb_, kScan, before, y)) return false;
      }
      const float next = x + s_.x_step;
      if (!advances(wb_, kScan, x, next)) return false;
      x = next;
    }
    return true;
  }

  bool solve_at(float x, float y, float z) {
    fix_column(lp_, x_flux_, x);
    fix_column(lp_, y_flux_, y);
    if (s_.three_d != 0) fix_column(lp_, z_flux_, z);
    ++result_.solves;
    return lp_.lp_solve() == kIstatOptimal;
  }

  // The readings of the point just solved, and whether some other price changed.
  void read_prices() {
    point_ = PhasePoint{};
    point_.dual_x_met = row_dual(lp_, x_met_ != 0 ? x_met_ : 2);
    point_.dual_y_met = row_dual(lp_, y_met_ != 0 ? y_met_ : 2);
    point_.r = watch_.read(lp_);
    other_price_changed_ = s_.filter_data == 0;
    for (size_t i = 1; i < current_prices_.size(); ++i) {
      current_prices_[i] = row_dual(lp_, static_cast<int>(i));
      if (std::fabs(current_prices_[i] - previous_prices_[i]) > kPriceChange) {
        other_price_changed_ = true;
      }
    }
    previous_prices_ = current_prices_;
  }

  void record(float x, float y) {
    const auto now = watched(point_);
    bool watched_changed = !have_previous_;
    for (size_t k = 0; k < now.size(); ++k) {
      if (std::fabs(now[k] - previous_watched_[k]) > kPriceChange) watched_changed = true;
    }
    PointList<PhasePoint>* list = nullptr;
    if (watched_changed) {
      list = &result_.section1_points;
    } else if (other_price_changed_) {
      list = &result_.section2_points;
    }
    if (list == nullptr) return;
    point_.x_value = x;
    point_.y_value = y;
    float dual;
    lp_.lp_get_row(1, point_.growth, dual);
    // The slot's ranging fields stay as they are until the ranging of this point fills them.
    point_.all_dec = (*list)[list->count + 1].all_dec;
    point_.all_inc = (*list)[list->count + 1].all_inc;
    list->append(point_);
    last_list_ = list;
    previous_watched_ = now;
    have_previous_ = true;
  }

  // The ranging of the axis metabolite's row goes into the last recorded point of the list that
  // received the last point; the scanned value v then moves on by the adaptive rule.
  float advance(float v, int metabolite_row) {
    float decrease, increase;
    lp_.lp_get_row_range(metabolite_row, decrease, increase);
    PhasePoint& last = (*last_list_)[last_list_->count];
    last.all_dec = decrease;
    last.all_inc = increase;
    return adaptive_advance(v, increase, decrease, s_.sensitivity, step_multiplier_);
  }

  void keep_level(float z) {
    auto& points = result_.points_3d;
    for (int k = 1; k <= result_.section1_points.count; ++k) {
      const PhasePoint& p = result_.section1_points[k];
      ++result_.points_3d_count;
      if (static_cast<int>(points.size()) <= result_.points_3d_count) {
        points.resize(static_cast<size_t>(result_.points_3d_count) + 1);
      }
      points[result_.points_3d_count] = {p.x_value, p.y_value, z};
    }
    result_.section1_points.count = 0;
    result_.section2_points.count = 0;
  }

  Workbench& wb_;
  const PhasePlaneSettings& s_;
  PhasePlaneResult& result_;
  ExchangeWatch watch_;
  LpSolver lp_;
  int x_flux_ = 0, y_flux_ = 0, z_flux_ = 0;
  int x_met_ = 2, y_met_ = 2;
  std::vector<float> current_prices_, previous_prices_;
  std::array<float, 14> previous_watched_{};
  bool have_previous_ = false;
  bool other_price_changed_ = false;
  int step_multiplier_ = 1;
  PointList<PhasePoint>* last_list_ = nullptr;
  PhasePoint point_;
};

double wide(float v) { return static_cast<double>(v); }

void write_point(std::FILE* f, const PhasePoint& p) {
  const ExchangeReadings& r = p.r;
  const float values[20] = {p.x_value,     p.y_value,      p.growth,      r.flux_o2xti,
                            r.flux_o2xto,  r.flux_forxto,  r.flux_acxto,  r.flux_lacxto,
                            r.flux_ethxto, r.flux_succxto, p.all_inc,     p.all_dec,
                            r.dual_o2xt,   r.dual_forxt,   r.dual_ethxt,  r.dual_acxt,
                            r.dual_succxt, r.nadh_net(),   r.nadph_net(), r.atp_net()};
  for (float v : values) std::fprintf(f, "%f ", wide(v));
  std::fprintf(f, "\n");
}

void write_report(Workbench& wb) {
  const Settings& n = wb.settings;
  FilePtr out = open_with_retry(wb, n.phase_file, OpenMode::kWrite);
  if (!out) return;
  std::FILE* f = out.get();
  const PhasePlaneResult& r = wb.phase_result;
  if (wb.phase.three_d != 0) {
    std::fprintf(f, "%s %s %s \n", n.phase_x_flux.c_str(), n.phase_y_flux.c_str(),
                 n.phase_z_flux.c_str());
    for (int k = 1; k <= r.points_3d_count; ++k) {
      std::fprintf(f, "%f %f %f \n", wide(r.points_3d[k][0]), wide(r.points_3d[k][1]),
                   wide(r.points_3d[k][2]));
    }
  } else {
    std::fprintf(f,
                 "%s %s Growth O2in O2out ForO AcO LacO EthO SuccO All.Inc. All.Dec. O2 FOR ETH "
                 "AC SUCC ",
                 n.phase_x_flux.c_str(), n.phase_y_flux.c_str());
    std::fprintf(f, "NADH-NAD NADPH-NADP ATP-(ADP+PI)\n");
    for (int k = 1; k <= r.section1_points.count; ++k) write_point(f, r.section1_points[k]);
    std::fprintf(f, "Section#2_with_possible_points\n");
    for (int k = 1; k <= r.section2_points.count; ++k) write_point(f, r.section2_points[k]);
  }
  finish_writing(wb, std::move(out), n.phase_file);
}

// Refuses settings with which the scan could not end, or would take too long.
bool scan_is_finite(Workbench& wb) {
  const PhasePlaneSettings& s = wb.phase;
  if (!step_is_positive(wb, kScan, "X-Value Step Size", s.x_step)) return false;
  if (s.use_metabolite_data != 0 && !step_is_positive(wb, kScan, "Sensitivity", s.sensitivity)) {
    return false;
  }
  if (s.three_d != 0 && !step_is_positive(wb, kScan, "Z step", s.z_step)) return false;
  // The smallest advance along the inner axis bounds the number of solves.
  const float inner_step = s.use_metabolite_data != 0 ? std::min(s.sensitivity, kStepAfterFailure)
                                                      : std::min(s.x_step, kStepAfterFailure);
  const double levels = s.three_d != 0 ? values_in_range(s.z_initial, s.z_final, s.z_step) : 1.0;
  double solves = values_in_range(s.initial_y, s.final_y, s.x_step) *
                  values_in_range(s.initial_x, s.final_x, inner_step);
  if (s.use_metabolite_data != 0) {
    solves += values_in_range(s.initial_x, s.final_x, s.x_step) *
              values_in_range(s.initial_y, s.final_y, inner_step);
  }
  return scan_size_fits(wb, kScan, solves * levels);
}

}  // namespace

float adaptive_advance(float v, float all_inc, float all_dec, float sensitivity,
                       int& step_multiplier) {
  if (all_inc > sensitivity) {
    step_multiplier = 1;
    return v + all_inc + sensitivity;
  }
  if (all_inc < kNoRange && all_dec < 0.0f && std::fabs(all_dec) > sensitivity) {
    return v - all_dec;
  }
  return v + static_cast<float>(step_multiplier++) * sensitivity;
}

void make_phase_plane(Workbench& wb) {
  if (!scan_is_finite(wb)) return;
  wb.input_refused = false;
  read_data(wb);
  if (wb.input_refused) return;
  wb.phase_result.solves = 0;
  PhasePlaneScan scan(wb);
  const bool finished = scan.run();
  if (finished) write_report(wb);
  scan.lp().lp_release();
}

void apply_phase_plane_options(Workbench& wb) {
  PhasePlaneSettings& s = wb.phase;
  if (s.initial_x > s.final_x) s.final_x = s.initial_x;
  if (s.initial_y > s.final_y) s.final_y = s.initial_y;
  if (s.z_initial > s.z_final) s.z_final = s.z_initial;
  wb.phase_plot.x_min = s.initial_x;
  wb.phase_plot.x_max = s.final_x;
  wb.phase_plot.y_min = s.initial_y;
  wb.phase_plot.y_max = s.final_y;
}

}  // namespace vemo
