#include "lp/lp_solver.h"

#include <glpk.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstdarg>
#include <cstdlib>
#include <filesystem>

namespace vemo {

namespace {

// GLPK's own terminal output (it has little to say with messages off) goes to the log of the
// problem being worked on, never to the user's terminal.
std::FILE* g_glpk_output = nullptr;

int glpk_terminal_hook(void*, const char* text) {
  if (g_glpk_output != nullptr) std::fputs(text, g_glpk_output);
  return 1;
}

void install_terminal_hook() {
  static const bool installed = [] {
    glp_term_hook(glpk_terminal_hook, nullptr);
    return true;
  }();
  (void)installed;
}

// GLPK refuses (aborts on) names with control characters; the name only labels the log.
std::string printable_name(const std::string& name) {
  std::string printable = name.substr(0, 255);
  for (char& c : printable) {
    if (std::iscntrl(static_cast<unsigned char>(c))) c = '?';
  }
  return printable;
}

int bound_type(double lower, double upper) {
  const bool has_lower = lower > -HUGE_VAL;
  const bool has_upper = upper < HUGE_VAL;
  if (has_lower && has_upper) return lower == upper ? GLP_FX : GLP_DB;
  if (has_lower) return GLP_LO;
  if (has_upper) return GLP_UP;
  return GLP_FR;
}

int istat_of(int simplex_result, int status) {
  if (simplex_result == GLP_EBOUND) return kIstatInfeasible;  // a lower bound above its upper
  if (simplex_result != 0) return kIstatFailed;
  switch (status) {
    case GLP_OPT:
      return kIstatOptimal;
    case GLP_NOFEAS:
    case GLP_INFEAS:
      return kIstatInfeasible;
    case GLP_UNBND:
      return kIstatUnbounded;
    default:
      return kIstatFailed;
  }
}

const char* istat_text(int istat) {
  switch (istat) {
    case kIstatOptimal:
      return "optimal";
    case kIstatInfeasible:
      return "infeasible";
    case kIstatUnbounded:
      return "unbounded";
    default:
      return "failed";
  }
}

float range_side(double limit, double rhs) {
  if (limit <= -DBL_MAX) return -kUnlimitedRange;
  if (limit >= DBL_MAX) return kUnlimitedRange;
  return static_cast<float>(limit - rhs);
}

}  // namespace

LpSolver::~LpSolver() { lp_release(); }

void LpSolver::lp_init() { lp_release(); }

void LpSolver::lp_new() {
  lp_release();
  install_terminal_hook();
  prob_ = glp_create_prob();
}

void LpSolver::lp_open_log(int /*unit*/, const std::string& file_name) {
  if (log_ != nullptr) std::fclose(log_);
  log_ = std::fopen(file_name.c_str(), "w");
}

void LpSolver::lp_set_log_unit(int /*unit*/) {}

void LpSolver::lp_set_ranging(int flag) { ranging_ = flag; }

void LpSolver::log_line(const char* format, ...) const {
  if (log_ == nullptr) return;
  va_list args;
  va_start(args, format);
  std::vfprintf(log_, format, args);
  va_end(args);
}

bool LpSolver::valid_row(int row, const char* operation) const {
  if (prob_ != nullptr && row >= 1 && row <= num_rows_) return true;
  log_line("%s: there is no row %d\n", operation, row);
  return false;
}

bool LpSolver::valid_column(int column, const char* operation) const {
  if (prob_ != nullptr && column >= 1 && column <= num_columns()) return true;
  log_line("%s: there is no column %d\n", operation, column);
  return false;
}

void LpSolver::lp_add_row(int sense, float rhs) {
  if (prob_ == nullptr) return;
  optimal_ = false;
  ++num_rows_;
  if (num_rows_ == 1) {
    glp_set_obj_dir(prob_, sense == 1 ? GLP_MIN : GLP_MAX);
    return;
  }
  const int k = glp_add_rows(prob_, 1);
  const int type = sense == 1 ? GLP_UP : sense == -1 ? GLP_LO : GLP_FX;
  glp_set_row_bnds(prob_, k, type, rhs, rhs);
}

void LpSolver::lp_add_column(const std::string& name, std::span<const float> values,
                             std::span<const int> rows) {
  if (prob_ == nullptr) return;
  optimal_ = false;
  const int j = glp_add_cols(prob_, 1);
  glp_set_col_name(prob_, j, printable_name(name).c_str());
  lower_.push_back(0.0);
  upper_.push_back(HUGE_VAL);
  apply_bounds(j);

  // GLPK takes 1-based arrays of distinct constraint rows; keep the last value given for a row.
  std::vector<std::pair<int, double>> entries;
  const size_t count = std::min(values.size(), rows.size());
  for (size_t k = 0; k < count; ++k) {
    if (!valid_row(rows[k], "lp_add_column") || !std::isfinite(values[k])) continue;
    if (rows[k] == 1) {
      glp_set_obj_coef(prob_, j, values[k]);
    } else if (values[k] != 0.0f) {
      entries.emplace_back(rows[k] - 1, values[k]);
    }
  }
  std::stable_sort(entries.begin(), entries.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<int> index(1);
  std::vector<double> value(1);
  for (size_t k = 0; k < entries.size(); ++k) {
    if (k + 1 < entries.size() && entries[k + 1].first == entries[k].first) continue;
    index.push_back(entries[k].first);
    value.push_back(entries[k].second);
  }
  glp_set_mat_col(prob_, j, static_cast<int>(index.size()) - 1, index.data(), value.data());
}

void LpSolver::apply_bounds(int column) {
  optimal_ = false;
  const double lower = lower_[column - 1];
  const double upper = upper_[column - 1];
  glp_set_col_bnds(prob_, column, bound_type(lower, upper), lower, upper);
}

void LpSolver::lp_free_column(int column) {
  if (!valid_column(column, "lp_free_column")) return;
  lower_[column - 1] = -HUGE_VAL;
  upper_[column - 1] = HUGE_VAL;
  apply_bounds(column);
}

void LpSolver::lp_set_lower(int column, float value) {
  if (!valid_column(column, "lp_set_lower") || std::isnan(value)) return;
  lower_[column - 1] = value;
  apply_bounds(column);
}

void LpSolver::lp_set_upper(int column, float value) {
  if (!valid_column(column, "lp_set_upper") || std::isnan(value)) return;
  upper_[column - 1] = value;
  apply_bounds(column);
}

void LpSolver::lp_set_coefficient(int row, int column, float value) {
  if (!valid_row(row, "lp_set_coefficient") || !valid_column(column, "lp_set_coefficient") ||
      !std::isfinite(value)) {
    return;
  }
  optimal_ = false;
  if (row == 1) {
    glp_set_obj_coef(prob_, column, value);
    return;
  }
  const int rows = glp_get_num_rows(prob_);
  std::vector<int> index(static_cast<size_t>(rows) + 2);
  std::vector<double> entries(static_cast<size_t>(rows) + 2);
  int len = glp_get_mat_col(prob_, column, index.data(), entries.data());
  int k = 1;
  while (k <= len && index[k] != row - 1) ++k;
  if (k > len) {
    if (value == 0.0f) return;
    len = k;
    index[k] = row - 1;
  }
  entries[k] = value;
  if (value == 0.0f) {  // GLPK keeps no explicit zeros: drop the entry
    index[k] = index[len];
    entries[k] = entries[len];
    --len;
  }
  glp_set_mat_col(prob_, column, len, index.data(), entries.data());
  // A changed basic column can leave the warm basis singular (GLPK's factoriser even asserts on an
  // emptied one): the next solve starts from the slack basis, which is always valid.
  restart_from_slack_basis_ = true;
}

int LpSolver::lp_solve() {
  if (prob_ == nullptr) return kIstatFailed;
  if (solves_ == 0) log_line("problem: %d rows, %d columns\n", num_rows_, num_columns());
  ++solves_;
  glp_smcp parm;
  glp_init_smcp(&parm);
  parm.msg_lev = GLP_MSG_OFF;
  parm.meth = GLP_DUALP;
  g_glpk_output = log_;
  if (restart_from_slack_basis_) glp_std_basis(prob_);
  restart_from_slack_basis_ = false;
  int result = glp_simplex(prob_, &parm);
  if (result == GLP_EBADB || result == GLP_ESING || result == GLP_ECOND) {
    // The warm basis went bad numerically: start once more from the slack basis.
    glp_std_basis(prob_);
    result = glp_simplex(prob_, &parm);
  }
  const int istat = istat_of(result, glp_get_status(prob_));
  optimal_ = istat == kIstatOptimal;
  log_line("solve %d: %s (istat = %d), objective %g\n", solves_, istat_text(istat), istat,
           glp_get_obj_val(prob_));
  if (ranging_ == 1 && optimal_) append_ranging_report();
  g_glpk_output = nullptr;
  return istat;
}

void LpSolver::append_ranging_report() {
  if (log_ == nullptr || glp_get_num_rows(prob_) == 0 || !glp_bf_exists(prob_)) return;
  const std::filesystem::path report =
      std::filesystem::temp_directory_path() / ("vemo-ranges-" + std::to_string(getpid()) + ".txt");
  if (glp_print_ranges(prob_, 0, nullptr, 0, report.c_str()) == 0) {
    if (std::FILE* in = std::fopen(report.c_str(), "r")) {
      char buffer[4096];
      size_t got;
      while ((got = std::fread(buffer, 1, sizeof buffer, in)) > 0)
        std::fwrite(buffer, 1, got, log_);
      std::fclose(in);
    }
  }
  std::error_code ignored;
  std::filesystem::remove(report, ignored);
}

void LpSolver::lp_get_row(int row, float& value, float& dual) const {
  value = 0.0f;
  dual = 0.0f;
  if (!valid_row(row, "lp_get_row")) return;
  if (row == 1) {
    value = static_cast<float>(glp_get_obj_val(prob_));
    dual = 1.0f;
    return;
  }
  value = static_cast<float>(glp_get_row_prim(prob_, row - 1));
  dual = static_cast<float>(glp_get_row_dual(prob_, row - 1));
}

void LpSolver::lp_get_column(int column, float& value, float& reduced_cost) const {
  value = 0.0f;
  reduced_cost = 0.0f;
  if (!valid_column(column, "lp_get_column")) return;
  value = static_cast<float>(glp_get_col_prim(prob_, column));
  reduced_cost = static_cast<float>(glp_get_col_dual(prob_, column));
}

void LpSolver::lp_begin_scan() { log_line("scan begins\n"); }

void LpSolver::lp_get_row_range(int row, float& decrease, float& increase) const {
  decrease = 0.0f;
  increase = 0.0f;
  if (!valid_row(row, "lp_get_row_range")) return;
  if (row == 1) {
    decrease = -kUnlimitedRange;
    increase = kUnlimitedRange;
    return;
  }
  if (!optimal_ || glp_get_status(prob_) != GLP_OPT || !glp_bf_exists(prob_)) return;
  const int k = row - 1;
  const int type = glp_get_row_type(prob_, k);
  const double rhs = type == GLP_LO ? glp_get_row_lb(prob_, k) : glp_get_row_ub(prob_, k);
  if (glp_get_row_stat(prob_, k) == GLP_BS) {
    // An inactive constraint: the right-hand side may move freely up to the row's activity.
    const double activity = glp_get_row_prim(prob_, k);
    decrease = type == GLP_UP   ? range_side(activity, rhs)
               : type == GLP_LO ? -kUnlimitedRange
                                : 0.0f;
    increase = type == GLP_LO ? range_side(activity, rhs) : type == GLP_UP ? kUnlimitedRange : 0.0f;
    return;
  }
  double lowest, highest;
  int lowest_var, highest_var;
  glp_analyze_bound(prob_, k, &lowest, &lowest_var, &highest, &highest_var);
  decrease = range_side(lowest, rhs);
  increase = range_side(highest, rhs);
}

void LpSolver::lp_release() {
  if (log_ != nullptr) {
    std::fclose(log_);
    log_ = nullptr;
  }
  if (prob_ != nullptr) {
    glp_delete_prob(prob_);
    prob_ = nullptr;
  }
  num_rows_ = 0;
  lower_.clear();
  upper_.clear();
  solves_ = 0;
  optimal_ = false;
  restart_from_slack_basis_ = false;
  ranging_ = 0;
}

}  // namespace vemo
