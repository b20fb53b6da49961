#include "lp/optimize.h"

#include "lp/build_lp.h"
#include "lp/lp_solver.h"
#include "model/reactions_reader.h"

namespace vemo {

void optimize(Workbench& wb) {
  NetworkModel& m = wb.model;
  if (m.file_abort == 1) return;
  LpSolver lp;
  build_lp(m, lp, m.do_ranging != 0 ? 1 : 0);
  m.last_istat = lp.lp_solve();

  float value, dual;
  lp.lp_get_row(1, value, dual);
  m.objective_value = value;
  m.shadow_price[1] = dual;
  for (int i = 2; i <= m.num_of_rows; ++i) {
    lp.lp_get_row(i, value, dual);
    m.shadow_price[i] = dual;
  }
  for (int j = 1; j <= m.num_of_reactions; ++j) {
    lp.lp_get_column(j, m.flux[j], m.reduced_cost[j]);
  }
  lp.lp_release();
}

void read_optimize(Workbench& wb) {
  read_data(wb);
  optimize(wb);
}

}  // namespace vemo
