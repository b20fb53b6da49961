#include "analyses/exchange_watch.h"

namespace vemo {

ExchangeWatch::ExchangeWatch(const NetworkModel& m)
    : nadh_(m.find_last_row("NADH")),
      nad_(m.find_last_row("NAD")),
      nadp_(m.find_last_row("NADP")),
      nadph_(m.find_last_row("NADPH")),
      atp_(m.find_last_row("ATP")),
      adp_(m.find_last_row("ADP")),
      pi_(m.find_last_row("PI")),
      acxt_(m.find_last_row("ACxt")),
      ethxt_(m.find_last_row("ETHxt")),
      forxt_(m.find_last_row("FORxt")),
      succxt_(m.find_last_row("SUCCxt")),
      o2xt_(m.find_last_row("O2xt")),
      forxto_(m.find_last_reaction("FORxtO")),
      acxto_(m.find_last_reaction("ACxtO")),
      ethxto_(m.find_last_reaction("ETHxtO")),
      succxto_(m.find_last_reaction("SUCCxtO")),
      lacxto_(m.find_last_reaction("LACxtO")),
      o2xto_(m.find_last_reaction("O2xtO")),
      o2xti_(m.find_last_reaction("O2xtI")) {}

ExchangeReadings ExchangeWatch::read(const LpSolver& lp) const {
  ExchangeReadings r;
  r.dual_nadh = row_dual(lp, nadh_);
  r.dual_nad = row_dual(lp, nad_);
  r.dual_nadp = row_dual(lp, nadp_);
  r.dual_nadph = row_dual(lp, nadph_);
  r.dual_atp = row_dual(lp, atp_);
  r.dual_adp = row_dual(lp, adp_);
  r.dual_pi = row_dual(lp, pi_);
  r.dual_acxt = row_dual(lp, acxt_);
  r.dual_ethxt = row_dual(lp, ethxt_);
  r.dual_forxt = row_dual(lp, forxt_);
  r.dual_succxt = row_dual(lp, succxt_);
  r.dual_o2xt = row_dual(lp, o2xt_);
  r.flux_forxto = column_value(lp, forxto_);
  r.flux_acxto = column_value(lp, acxto_);
  r.flux_ethxto = column_value(lp, ethxto_);
  r.flux_succxto = column_value(lp, succxto_);
  r.flux_lacxto = column_value(lp, lacxto_);
  r.flux_o2xto = column_value(lp, o2xto_);
  r.flux_o2xti = column_value(lp, o2xti_);
  return r;
}

float row_dual(const LpSolver& lp, int row) {
  if (row == 0) return 0.0f;
  float value, dual;
  lp.lp_get_row(row, value, dual);
  return dual;
}

float column_value(const LpSolver& lp, int column) {
  if (column == 0) return 0.0f;
  float value, reduced_cost;
  lp.lp_get_column(column, value, reduced_cost);
  return value;
}

void fix_column(LpSolver& lp, int column, float value) {
  if (column == 0) return;
  lp.lp_free_column(column);
  lp.lp_set_lower(column, value);
  lp.lp_set_upper(column, value);
}

}  // namespace vemo
