#include "analyses/isoclines.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include "analyses/exchange_watch.h"
#include "analyses/scan_guard.h"
#include "lp/build_lp.h"
#include "model/file_open.h"
#include "model/reactions_reader.h"

namespace vemo {

namespace {

const char* const kScan = "Make isoclines";

double wide(float v) { return static_cast<double>(v); }

bool scan_is_finite(Workbench& wb) {
  const IsoclineSettings& s = wb.isocline;
  if (!step_is_positive(wb, kScan, "Step Size", s.step_size)) return false;
  const double points = values_in_range(s.initial_x, s.final_x, s.step_size) *
                        values_in_range(s.initial_y, s.final_y, s.step_size);
  if (!scan_size_fits(wb, kScan, points)) return false;
  if (s.print_fluxes != 0 && points * wb.model.num_of_reactions > kMaxIsoclineFluxValues) {
    refuse_input(wb, std::string(kScan) + ": " + kIsoclineFluxesFile +
                         " would hold more numbers than it may; make the grid coarser or turn "
                         "the printing of fluxes off");
    return false;
  }
  return true;
}

void write_report(Workbench& wb, std::FILE* f) {
  const Settings& n = wb.settings;
  std::fprintf(f, "Growth Order\n");
  std::fprintf(f, "%s %s Growth GLC O2 FOR ETH AC SUCC ", n.isocline_x_flux.c_str(),
               n.isocline_y_flux.c_str());
  std::fprintf(f, "NADH-NAD NADPH-NADP ATP-(ADP+PI) Acetate_DR Lactate_DR ");
  std::fprintf(f, "Succ_DR Eth_DR Formate_DR O2in O2out\n");
  const IsoclineResult& result = wb.isocline_result;
  for (int k = 1; k <= result.isocline_count; ++k) {
    const IsoclinePoint& p = result.isocline_points[k];
    const ExchangeReadings& r = p.r;
    const float values[19] = {p.x_value,     p.y_value,     p.growth,       p.dual_glcxt,
                              r.dual_o2xt,   r.dual_forxt,  r.dual_ethxt,   r.dual_acxt,
                              r.dual_succxt, r.nadh_net(),  r.nadph_net(),  r.atp_net(),
                              r.flux_acxto,  r.flux_lacxto, r.flux_succxto, r.flux_ethxto,
                              r.flux_forxto, r.flux_o2xti,  r.flux_o2xto};
    for (float v : values) std::fprintf(f, "%f ", wide(v));
    std::fprintf(f, "\n");
  }
}

// fluxes[p][j]: the flux of reaction j at the p-th grid point (both from 0 here).
void write_fluxes(const NetworkModel& m, const std::vector<std::vector<float>>& fluxes,
                  std::FILE* f) {
  for (int j = 1; j <= m.num_of_reactions; ++j) {
    std::fprintf(f, " %s ", m.reaction_names[j].c_str());
    for (const std::vector<float>& point : fluxes) std::fprintf(f, " %f ", wide(point[j]));
    std::fprintf(f, "\n");
  }
}

}  // namespace

void make_isoclines(Workbench& wb) {
  if (!scan_is_finite(wb)) return;
  wb.input_refused = false;
  read_data(wb);
  if (wb.input_refused) return;
  NetworkModel& m = wb.model;
  const IsoclineSettings& s = wb.isocline;
  LpSolver lp;
  build_lp(m, lp, -1);
  IsoclineResult& result = wb.isocline_result;
  result.isocline_points.clear();
  result.solves = 0;
  const int x_flux = m.find_last_reaction(wb.settings.isocline_x_flux);
  const int y_flux = m.find_last_reaction(wb.settings.isocline_y_flux);
  const int glcxt = m.find_last_row("GLCxt");
  const ExchangeWatch watch(m);
  std::vector<std::vector<float>> fluxes;

  for (float y = s.initial_y; y <= s.final_y;) {
    for (float x = s.initial_x; x <= s.final_x;) {
      fix_column(lp, x_flux, x);
      fix_column(lp, y_flux, y);
      const int status = lp.lp_solve();
      ++result.solves;
      IsoclinePoint point;
      point.dual_glcxt = row_dual(lp, glcxt);
      point.r = watch.read(lp);
      if (status == kIstatOptimal) {
        point.x_value = x;
        point.y_value = y;
        float dual;
        lp.lp_get_row(1, point.growth, dual);
        result.isocline_points.append(point);
      }
      if (s.print_fluxes != 0) {
        fluxes.emplace_back(static_cast<size_t>(m.num_of_reactions) + 1, 0.0f);
        for (int j = 1; j <= m.num_of_reactions; ++j) {
          lp.lp_get_column(j, m.flux[j], m.reduced_cost[j]);
          fluxes.back()[j] = m.flux[j];
        }
      }
      const float next = x + s.step_size;
      if (!advances(wb, kScan, x, next)) return;
      x = next;
    }
    const float next = y + s.step_size;
    if (!advances(wb, kScan, y, next)) return;
    y = next;
  }

  FilePtr out = open_with_retry(wb, wb.settings.isocline_file, OpenMode::kWrite);
  if (!out) return;
  result.isocline_count = result.isocline_points.count;
  std::stable_sort(
      result.isocline_points.entries.begin() + 1,
      result.isocline_points.entries.begin() + 1 + result.isocline_count,
      [](const IsoclinePoint& a, const IsoclinePoint& b) { return a.growth < b.growth; });
  write_report(wb, out.get());
  finish_writing(wb, std::move(out), wb.settings.isocline_file);
  if (s.print_fluxes != 0) {
    FilePtr flux_out = open_with_retry(wb, kIsoclineFluxesFile, OpenMode::kWrite);
    if (!flux_out) return;
    write_fluxes(m, fluxes, flux_out.get());
    finish_writing(wb, std::move(flux_out), kIsoclineFluxesFile);
  }
  lp.lp_release();
}

}  // namespace vemo
