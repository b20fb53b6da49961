// The rows and exchange reactions every scan watches (NADH, NAD, NADP, NADPH, ATP, ADP, PI, the
// external acetate, ethanol, formate, succinate and oxygen rows; the secretions of formate,
// acetate, ethanol, succinate, lactate and oxygen, and the oxygen uptake), looked up once by name
// (the last of equal names). A name the network lacks reads as 0 and never reaches the solver.
#ifndef VEMO_ANALYSES_EXCHANGE_WATCH_H_
#define VEMO_ANALYSES_EXCHANGE_WATCH_H_

#include "analyses/scan_results.h"
#include "lp/lp_solver.h"
#include "model/network_model.h"

namespace vemo {

class ExchangeWatch {
 public:
  explicit ExchangeWatch(const NetworkModel& model);
  // The readings of the last solve.
  ExchangeReadings read(const LpSolver& lp) const;

 private:
  int nadh_, nad_, nadp_, nadph_, atp_, adp_, pi_, acxt_, ethxt_, forxt_, succxt_, o2xt_;
  int forxto_, acxto_, ethxto_, succxto_, lacxto_, o2xto_, o2xti_;
};

// The dual of a row, 0 for row number 0 (a name the network lacks).
float row_dual(const LpSolver& lp, int row);
// The value of a column, 0 for column number 0.
float column_value(const LpSolver& lp, int column);
// Fixes a column at value (free, then both bounds); nothing for column number 0.
void fix_column(LpSolver& lp, int column, float value);

}  // namespace vemo

#endif  // VEMO_ANALYSES_EXCHANGE_WATCH_H_
