#include "analyses/pathway_evaluation.h"

#include <cstdio>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "analyses/pathway_inputs.h"
#include "lp/build_lp.h"
#include "lp/lp_solver.h"
#include "model/file_open.h"

namespace vemo {

namespace {

// The outputs ATP_o, NADH_o and NADPH_o take the flux listed under their own name, not that of
// the production drains (ATPMAX, ...) of the objective choice.
bool keeps_own_flux(const std::string& stem) {
  return stem == "ATP" || stem == "NADH" || stem == "NADPH";
}

// A suffix counts only after a stem of at least one character.
bool is_backward(const std::string& name) { return name.size() >= 3 && name.ends_with("_r"); }
bool is_exchange_output(const std::string& name) {
  return name.size() >= 5 && name.ends_with("xt_o");
}
bool is_other_output(const std::string& name) {
  return name.size() >= 3 && name.ends_with("_o") && !is_exchange_output(name);
}
std::string without_suffix(const std::string& name, size_t suffix) {
  return name.substr(0, name.size() - suffix);
}

// A report list by name; the last entry of a name wins.
class ValueIndex {
 public:
  explicit ValueIndex(const std::vector<NamedValue>& list) {
    for (const NamedValue& v : list) values_[v.name] = v.value;
  }
  const float* find(const std::string& name) const {
    auto it = values_.find(name);
    return it == values_.end() ? nullptr : &it->second;
  }

 private:
  std::unordered_map<std::string, float> values_;
};

// The reaction rows of each name, for the forward partner X of a backward reaction X_r.
using RowsByName = std::unordered_map<std::string, std::vector<int>>;

RowsByName rows_by_name(const PathwayNetwork& net) {
  RowsByName rows;
  for (int r = 1; r <= net.num_rows(); ++r) rows[net.reaction_names[r]].push_back(r);
  return rows;
}

std::vector<float> map_fluxes(const PathwayNetwork& net, const RowsByName& by_name,
                              const ValueIndex& primal) {
  const int rows = net.num_rows();
  std::vector<float> flux(static_cast<size_t>(rows) + 1, 0.0f);
  for (int r = 1; r <= rows; ++r) {
    if (const float* v = primal.find(net.reaction_names[r])) flux[r] = *v;
  }
  for (int r = 1; r <= rows; ++r) {
    const std::string& name = net.reaction_names[r];
    if (!is_backward(name)) continue;
    const std::string stem = without_suffix(name, 2);
    const float* v = primal.find(stem + "R");
    if (v == nullptr) continue;
    flux[r] = *v < 0 ? -*v : 0.0f;
    if (auto it = by_name.find(stem); it != by_name.end()) {
      for (int forward : it->second) flux[forward] = *v > 0 ? *v : 0.0f;
    }
  }
  for (int r = 1; r <= rows; ++r) {
    const std::string& name = net.reaction_names[r];
    if (!is_exchange_output(name)) continue;
    const std::string stem = without_suffix(name, 4);
    if (const float* uptake = primal.find(stem + "xtI")) flux[r] = -*uptake;
    if (flux[r] == 0.0f) {
      if (const float* output = primal.find(stem + "xtO")) flux[r] = *output;
    }
  }
  for (int r = 1; r <= rows; ++r) {
    const std::string& name = net.reaction_names[r];
    if (!is_other_output(name)) continue;
    const std::string stem = without_suffix(name, 2);
    if (keeps_own_flux(stem)) continue;
    if (const float* drain = primal.find(stem + "MAX")) flux[r] = *drain;
  }
  return flux;
}

std::string pathway_label(const PathwayNetwork& net, int p) {
  size_t block = 0;
  int last = net.block_sizes[0];
  while (block + 1 < kPathwayBlockLabels.size() && p > last) last += net.block_sizes[++block];
  std::string label = kPathwayBlockLabels[block] + std::to_string(p);
  if (label.size() < 8) label.resize(8, ' ');
  return label;
}

// The non-negative pathway weights whose combination gives the fluxes of rows 2..R at the
// least random cost; the library status in istat.
std::vector<float> decompose(Workbench& wb, const PathwayNetwork& net,
                             const std::vector<float>& flux, int& istat) {
  LpSolver lp;
  lp.lp_init();
  lp.lp_new();
  lp.lp_open_log(60, kLpLogFile);
  lp.lp_set_log_unit(60);
  lp.lp_set_ranging(1);
  lp.lp_add_row(1, 0.0f);
  for (int r = 2; r <= net.num_rows(); ++r) lp.lp_add_row(0, flux[r]);
  std::vector<float> values;
  std::vector<int> rows;
  for (int p = 1; p <= net.num_pathways(); ++p) {
    const float cost = static_cast<float>(random_draw(wb)) / 32767.0f;
    values.clear();
    rows.clear();
    if (cost != 0.0f) {
      values.push_back(cost);
      rows.push_back(1);
    }
    for (const MatrixEntry& e : net.pathways[p]) {
      values.push_back(e.value);
      rows.push_back(e.row);
    }
    lp.lp_add_column(pathway_label(net, p), values, rows);
    lp.lp_free_column(p);
    lp.lp_set_lower(p, 0.0f);
  }
  istat = lp.lp_solve();
  std::vector<float> weight(static_cast<size_t>(net.num_pathways()) + 1, 0.0f);
  float reduced_cost;
  for (int p = 1; p <= net.num_pathways(); ++p) lp.lp_get_column(p, weight[p], reduced_cost);
  lp.lp_release();
  return weight;
}

void write_pairs(std::FILE* f, const std::vector<NamedValue>& list) {
  for (const NamedValue& v : list) {
    std::fprintf(f, "%s %f\n", v.name.c_str(), static_cast<double>(v.value));
  }
}

void write_rows(std::FILE* f, const PathwayNetwork& net, const std::vector<float>& values,
                int first, int last) {
  for (int r = first; r <= last; ++r) {
    std::fprintf(f, "%s %f\n", net.reaction_names[r].c_str(), static_cast<double>(values[r]));
  }
}

// The unit cost of every reaction row; writes them to the trace in two parts, the reactions up
// to exchange_start before the outputs take their shadow prices, then the rest.
std::vector<float> map_prices(const PathwayNetwork& net, const RowsByName& by_name,
                              const ValueIndex& reduced, const ValueIndex& shadow,
                              std::FILE* trace) {
  const int rows = net.num_rows();
  std::vector<float> price(static_cast<size_t>(rows) + 1, 0.0f);
  for (int r = 1; r <= net.exchange_start; ++r) {
    if (const float* v = reduced.find(net.reaction_names[r])) price[r] = *v;
  }
  for (int r = 1; r <= rows; ++r) {
    const std::string& name = net.reaction_names[r];
    if (!is_backward(name)) continue;
    const std::string stem = without_suffix(name, 2);
    const float* v = reduced.find(stem + "R");
    if (v == nullptr) continue;
    price[r] = -*v;
    if (auto it = by_name.find(stem); it != by_name.end()) {
      for (int forward : it->second) price[forward] = *v;
    }
  }
  write_rows(trace, net, price, 1, net.exchange_start);
  for (int r = 1; r <= rows; ++r) {
    const std::string& name = net.reaction_names[r];
    const float* v = nullptr;
    if (is_exchange_output(name)) v = shadow.find(without_suffix(name, 4) + "xt");
    if (is_other_output(name)) v = shadow.find(without_suffix(name, 2));
    if (v != nullptr) price[r] = *v;
  }
  std::fprintf(trace, "\n\n\n");
  write_rows(trace, net, price, net.exchange_start + 1, rows);
  return price;
}

// Reads an open input whole and parses it; false, the user told, when it is refused.
template <typename Parse>
bool parse_input(Workbench& wb, FilePtr file, const std::string& name, Parse parse) {
  std::string text, why;
  if (read_text_file(file.get(), text, why)) why = parse(std::string_view(text));
  if (why.empty()) return true;
  refuse_input(wb, name + ": " + why + "; no pathways evaluated");
  return false;
}

}  // namespace

void read_p(Workbench& wb) {
  wb.input_refused = false;
  FilePtr reactions_in = open_with_retry(wb, kPathReactionsFile, OpenMode::kRead);
  if (!reactions_in) return;
  FilePtr pathways_in = open_with_retry(wb, kPathwaysFile, OpenMode::kRead);
  if (!pathways_in) return;
  FilePtr trace = open_with_retry(wb, kPathwayTraceFile, OpenMode::kWrite);
  if (!trace) return;
  FilePtr results = open_with_retry(wb, kPathwayResultsFile, OpenMode::kWrite);
  if (!results) return;

  PathwayNetwork net;
  if (!parse_input(wb, std::move(reactions_in), kPathReactionsFile,
                   [&net](std::string_view text) { return read_path_reactions(text, net); }) ||
      !parse_input(wb, std::move(pathways_in), kPathwaysFile,
                   [&net](std::string_view text) { return read_pathways(text, net); })) {
    return;
  }
  const RowsByName by_name = rows_by_name(net);

  const std::string primal_name = find_ignoring_case(kPrimalReadBackFile);
  FilePtr primal_in = open_with_retry(wb, primal_name, OpenMode::kRead);
  if (!primal_in) return;
  std::vector<NamedValue> primal;
  if (!parse_input(wb, std::move(primal_in), primal_name,
                   [&primal](std::string_view text) { return read_primal_list(text, primal); })) {
    return;
  }
  write_pairs(trace.get(), primal);
  const std::vector<float> flux = map_fluxes(net, by_name, ValueIndex(primal));
  std::fprintf(trace.get(), "\n\n");
  write_rows(trace.get(), net, flux, 1, net.num_rows());
  std::fprintf(trace.get(), "\n\n");

  int istat = 0;
  const std::vector<float> weight = decompose(wb, net, flux, istat);
  wb.tools.last_pathways = {net.num_rows(), net.num_pathways(), istat};

  const std::string dual_name = find_ignoring_case(kDualReadBackFile);
  FilePtr dual_in = open_with_retry(wb, dual_name, OpenMode::kRead);
  if (!dual_in) return;
  std::vector<NamedValue> shadow_prices, reduced_costs;
  if (!parse_input(wb, std::move(dual_in), dual_name, [&](std::string_view text) {
        return read_dual_lists(text, shadow_prices, reduced_costs);
      })) {
    return;
  }
  std::fprintf(trace.get(), "\n\n\n");
  write_pairs(trace.get(), reduced_costs);
  write_pairs(trace.get(), shadow_prices);
  std::fprintf(trace.get(), "\n\n\n");
  const std::vector<float> price =
      map_prices(net, by_name, ValueIndex(reduced_costs), ValueIndex(shadow_prices), trace.get());

  std::fprintf(results.get(), "Pathway    Weight    Cost\n");
  for (int p = 1; p <= net.num_pathways(); ++p) {
    float cost = 0.0f;
    for (const MatrixEntry& e : net.pathways[p]) cost += price[e.row] * e.value;
    std::fprintf(results.get(), "%8s %8.4f  %8.4f\n", pathway_label(net, p).c_str(),
                 static_cast<double>(weight[p]), static_cast<double>(cost));
  }
  finish_writing(wb, std::move(trace), kPathwayTraceFile);
  finish_writing(wb, std::move(results), kPathwayResultsFile);
  if (istat != kIstatOptimal) {
    notify(wb, std::string("Read P: the fluxes are no non-negative combination of the pathways "
                           "(istat = ") +
                   std::to_string(istat) + "); the weights in " + kPathwayResultsFile +
                   " are not a decomposition");
  }
}

}  // namespace vemo
