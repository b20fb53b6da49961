// The linear-programming library interface: one problem at a time, solved by GLPK's simplex.
//
// Rows and columns are numbered from 1 in the order added. Row 1 is the objective row: its
// coefficients are the objective, its sense the direction (1 minimise, anything else maximise),
// its value the objective value and its dual 1. Rows 2.. are constraints (sense 1 <=, -1 >=,
// 0 =). Duals are d(objective)/d(right-hand side), reduced costs d(objective)/d(column value),
// as GLPK reports them for the problem's direction.
//
// A new column has the bounds [0, +inf) until lp_free_column or lp_set_lower/lp_set_upper change
// them. Every row and column number is checked: an operation naming one that does not exist does
// nothing (a read answers zeros) and leaves a line in the log, so the analyses may look names up
// and pass a missing one (number 0) safely.
//
// lp_solve starts from the last basis (dual simplex, warm) and returns istat: 4 optimal,
// 2 infeasible, 3 unbounded, 1 any other failure. The log, when opened, holds a line per problem
// and per solve; with ranging 1 each optimal solve appends GLPK's sensitivity report.
#ifndef VEMO_LP_LP_SOLVER_H_
#define VEMO_LP_LP_SOLVER_H_

#include <cstdio>
#include <span>
#include <string>
#include <vector>

struct glp_prob;

namespace vemo {

inline constexpr int kIstatOptimal = 4;
inline constexpr int kIstatInfeasible = 2;
inline constexpr int kIstatUnbounded = 3;
inline constexpr int kIstatFailed = 1;

// What the range operation reports for an unlimited side.
inline constexpr float kUnlimitedRange = 1e30f;

class LpSolver {
 public:
  LpSolver() = default;
  ~LpSolver();
  LpSolver(const LpSolver&) = delete;
  LpSolver& operator=(const LpSolver&) = delete;

  void lp_init();
  void lp_new();
  // The log goes to the named file, written from scratch; a log that cannot be opened is not
  // kept (the solves do not depend on it).
  void lp_open_log(int unit, const std::string& file_name);
  void lp_set_log_unit(int unit);
  // 1: append the sensitivity report after each optimal solve; 0 or -1: no report.
  void lp_set_ranging(int flag);

  void lp_add_row(int sense, float rhs);
  // The column's non-zero coefficients with their row numbers (row 1 = objective).
  void lp_add_column(const std::string& name, std::span<const float> values,
                     std::span<const int> rows);
  void lp_free_column(int column);
  void lp_set_lower(int column, float value);
  void lp_set_upper(int column, float value);
  void lp_set_coefficient(int row, int column, float value);

  int lp_solve();
  void lp_get_row(int row, float& value, float& dual) const;
  void lp_get_column(int column, float& value, float& reduced_cost) const;
  void lp_begin_scan();
  // How far the row's right-hand side may fall (decrease <= 0) and rise (increase >= 0) while the
  // last optimal basis stays optimal; kUnlimitedRange (with its sign) for an unlimited side.
  // Zeros when the last solve was not optimal.
  void lp_get_row_range(int row, float& decrease, float& increase) const;
  void lp_release();

  int num_rows() const { return num_rows_; }
  int num_columns() const { return static_cast<int>(lower_.size()); }
  int num_solves() const { return solves_; }

 private:
  bool valid_row(int row, const char* operation) const;
  bool valid_column(int column, const char* operation) const;
  void apply_bounds(int column);
  void log_line(const char* format, ...) const __attribute__((format(printf, 2, 3)));
  void append_ranging_report();

  glp_prob* prob_ = nullptr;
  std::FILE* log_ = nullptr;
  int ranging_ = 0;
  int num_rows_ = 0;                   // the objective row included
  std::vector<double> lower_, upper_;  // column bounds, +-HUGE_VAL where unbounded
  int solves_ = 0;
  bool optimal_ = false;  // the last solve was optimal and nothing changed since
  bool restart_from_slack_basis_ = false;
};

}  // namespace vemo

#endif  // VEMO_LP_LP_SOLVER_H_
