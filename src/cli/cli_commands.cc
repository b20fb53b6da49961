#include "cli/cli_commands.h"

#include <cstdio>

#include "analyses/conditioned_matrix.h"
#include "analyses/connectivity.h"
#include "analyses/detailed_deletion.h"
#include "analyses/double_deletion.h"
#include "analyses/isoclines.h"
#include "analyses/network_comparison.h"
#include "analyses/obscured_matrix.h"
#include "analyses/pathway_evaluation.h"
#include "analyses/phase_plane.h"
#include "analyses/robustness.h"
#include "analyses/single_deletion.h"
#include "analyses/triple_deletion.h"
#include "display/draw_map.h"
#include "display/draw_view.h"
#include "display/isocline_diagram.h"
#include "display/phase_portrait.h"
#include "display/robustness_diagram.h"
#include "display/svg_canvas.h"
#include "lp/optimize.h"
#include "lp/solution_reports.h"
#include "model/file_open.h"
#include "model/reactions_reader.h"

namespace vemo {

namespace {

std::string network_summary(const Workbench& wb) {
  return std::to_string(wb.model.num_of_reactions) + " reactions, " +
         std::to_string(wb.model.num_of_rows) + " rows";
}

std::string objective_summary(const Workbench& wb) {
  char text[96];
  std::snprintf(text, sizeof text, "objective %f (istat = %i)",
                static_cast<double>(wb.model.objective_value), wb.model.last_istat);
  return text;
}

// A command that takes no argument; its summary reads the workbench only.
CliCommand plain(std::string name, void (*run)(Workbench&),
                 std::function<std::string(const Workbench&)> summary) {
  return CliCommand{std::move(name), false, [run](Workbench& wb, const std::string&) { run(wb); },
                    [summary](const Workbench& wb, const std::string&) { return summary(wb); }};
}

// "35 entries, max growth 0.873922: 12 lethal, 3 retarding, 20 redundant; wrote FILE"
std::function<std::string(const Workbench&)> deletion_summary(std::string Settings::*report,
                                                              bool with_trivial) {
  return [report, with_trivial](const Workbench& wb) {
    const DeletionSummary& d = wb.last_deletion;
    char text[256];
    std::snprintf(text, sizeof text, "%d %s, max growth %f: %d lethal", d.considered,
                  with_trivial ? "combinations" : "entries", static_cast<double>(d.max_growth),
                  d.lethal);
    std::string summary = text;
    if (with_trivial) summary += " (" + std::to_string(d.trivial) + " trivial)";
    summary += ", " + std::to_string(d.retarding) + " retarding, " + std::to_string(d.redundant) +
               " redundant; " + std::to_string(d.solves) + " solves; wrote " + wb.settings.*report;
    return summary;
  };
}

// The view's draw operation into an SVG file.
void render(Workbench& wb, const std::string& file_name) {
  SvgCanvas canvas(kViewWidth, kViewHeight);
  draw_view(wb, canvas);
  FilePtr out = open_with_retry(wb, file_name, OpenMode::kWrite);
  if (!out) return;
  std::fputs(canvas.document().c_str(), out.get());
  finish_writing(wb, std::move(out), file_name);
}

std::vector<CliCommand> make_commands() {
  return {
      plain("read-data", read_data, network_summary),
      plain("optimize", optimize, objective_summary),
      plain("read-optimize", read_optimize,
            [](const Workbench& wb) { return network_summary(wb) + "; " + objective_summary(wb); }),
      plain("print-primal", print_primal,
            [](const Workbench& wb) { return "wrote " + wb.settings.primal_file; }),
      plain("print-dual", print_dual,
            [](const Workbench& wb) { return "wrote " + wb.settings.dual_file; }),
      plain("print-stmat", print_stmat,
            [](const Workbench& wb) { return "wrote " + wb.settings.stmat_file; }),
      plain("single-deletion", single_deletion,
            deletion_summary(&Settings::single_deletion_file, false)),
      plain("double-deletion", double_deletion,
            deletion_summary(&Settings::double_deletion_file, true)),
      plain("triple-deletion", triple_deletion,
            deletion_summary(&Settings::triple_deletion_file, true)),
      plain("phase-plane", make_phase_plane,
            [](const Workbench& wb) {
              const PhasePlaneResult& r = wb.phase_result;
              return std::to_string(r.solves) + " solves, " +
                     std::to_string(r.section1_points.count) + " phase points, " +
                     std::to_string(r.section2_points.count) + " possible points, " +
                     std::to_string(r.points_3d_count) + " 3-D points; wrote " +
                     wb.settings.phase_file;
            }),
      plain("isoclines", make_isoclines,
            [](const Workbench& wb) {
              return std::to_string(wb.isocline_result.solves) + " solves, " +
                     std::to_string(wb.isocline_result.isocline_count) + " points; wrote " +
                     wb.settings.isocline_file +
                     (wb.isocline.print_fluxes != 0 ? std::string(" and ") + kIsoclineFluxesFile
                                                    : std::string());
            }),
      plain("robustness", do_robustness,
            [](const Workbench& wb) {
              char text[96];
              std::snprintf(text, sizeof text, "%d steps from %f to %f; wrote ",
                            wb.robust_result.robust_points.count,
                            static_cast<double>(wb.robust.low_value),
                            static_cast<double>(wb.robust.high_value));
              return text + wb.settings.robust_file;
            }),
      plain(
          "draw-map", [](Workbench& wb) { draw_map(wb); },
          [](const Workbench& wb) {
            return std::to_string(wb.map.num_of_map_labels) + " labels, " +
                   std::to_string(wb.map.num_of_map_arrows) + " arrows from " +
                   wb.settings.mapper_file;
          }),
      plain(
          "draw-phase-plane", [](Workbench& wb) { draw_phase_plane(wb); },
          [](const Workbench& wb) {
            return std::to_string(wb.plots.primary_count) + " primary and " +
                   std::to_string(wb.plots.secondary_count) + " secondary points";
          }),
      plain(
          "draw-robustness", [](Workbench& wb) { draw_robustness(wb); },
          [](const Workbench& wb) { return std::to_string(wb.plots.robust_count) + " points"; }),
      plain(
          "draw-isoclines", [](Workbench& wb) { draw_isoclines(wb); },
          [](const Workbench& wb) { return std::to_string(wb.plots.isocline_count) + " points"; }),
      plain("compare", do_comparison,
            [](const Workbench& wb) {
              const ComparisonSummary& s = wb.tools.last_comparison;
              const auto& n = s.class_counts;
              char text[320];
              std::snprintf(text, sizeof text,
                            "%d reactions with %d, optima %f and %f%s: %d similar, %d increased, "
                            "%d decreased, %d reversed, %d appeared, %d vanished, %d zero, "
                            "%d not in %s",
                            s.first_reactions, s.second_reactions,
                            static_cast<double>(s.first_objective),
                            static_cast<double>(s.second_objective),
                            s.unscaled ? " (not relative to growth)" : "", n[kClassSimilar],
                            n[kClassIncreased], n[kClassDecreased], n[kClassReversed],
                            n[kClassAppeared], n[kClassVanished], n[kClassBothZero],
                            n[kClassMissing], wb.settings.second_reactions_file.c_str());
              return std::string(text);
            }),
      plain("connectivity", connectivity,
            [](const Workbench& wb) {
              return std::to_string(wb.tools.connectivity_rows) + " rows; wrote " +
                     wb.settings.connectivity_file;
            }),
      plain("conditioned-matrix", make_conditioned_matrix,
            [](const Workbench& wb) {
              return std::to_string(wb.tools.conditioned_rows) + " rows x " +
                     std::to_string(wb.tools.conditioned_columns) + " columns; wrote " +
                     kConditionedMatrixFile + " and " + kMathConditionedMatrixFile;
            }),
      plain("make-encrypted", make_encrypted_matrix,
            [](const Workbench& wb) {
              return network_summary(wb) + "; wrote " + kEncryptedMatrixFile + " and " +
                     kEncryptedBoundsFile;
            }),
      plain("read-encrypted", read_encrypted_matrix, network_summary),
      plain("read-p", read_p,
            [](const Workbench& wb) {
              const PathwaySummary& p = wb.tools.last_pathways;
              return std::to_string(p.pathways) + " pathways over " + std::to_string(p.reactions) +
                     " reaction rows (istat = " + std::to_string(p.istat) + "); wrote " +
                     kPathwayResultsFile + " and " + kPathwayTraceFile;
            }),
      CliCommand{"render", true, render,
                 [](const Workbench&, const std::string& file) { return "wrote " + file; }},
      plain("detailed-deletions", detailed_deletions,
            [](const Workbench& wb) {
              char text[128];
              std::snprintf(text, sizeof text, "%d entries, %d precursors, max growth %f; ",
                            wb.num_of_genes, wb.precursors_only != 0 ? 15 : 64,
                            static_cast<double>(wb.last_deletion.max_growth));
              return text + std::to_string(wb.last_deletion.solves) + " solves; wrote " +
                     wb.settings.detailed_deletion_file;
            }),
  };
}

}  // namespace

const std::vector<CliCommand>& cli_commands() {
  static const std::vector<CliCommand> commands = make_commands();
  return commands;
}

const CliCommand* find_cli_command(const std::string& name) {
  for (const CliCommand& command : cli_commands()) {
    if (command.name == name) return &command;
  }
  return nullptr;
}

}  // namespace vemo
