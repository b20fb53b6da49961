// The one state object of the program: the network model with its solution and flags, the
// settings, and the hooks through which the front end (desktop, command line or a test) answers
// file errors and shows messages. Every command is a free function taking a Workbench.
//
// Later parts of the program add their settings records and result lists here as public fields.
#ifndef VEMO_MODEL_WORKBENCH_H_
#define VEMO_MODEL_WORKBENCH_H_

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "analyses/network_tools_state.h"
#include "analyses/scan_results.h"
#include "analyses/scan_settings.h"
#include "display/map_tables.h"
#include "display/plot_lists.h"
#include "model/network_model.h"
#include "model/settings.h"

namespace vemo {

enum class OpenMode { kRead, kWrite };

// Asked when a file cannot be opened. Returns true to try again, false to give up.
using FileErrorHandler =
    std::function<bool(const std::string& name, OpenMode mode, const std::string& reason)>;
// Shows a message to the user (a refused input, a limit exceeded).
using MessageHandler = std::function<void(const std::string& text)>;

// What the last deletion study found, for the front ends' summaries.
struct DeletionSummary {
  float max_growth = 0.0f;
  int considered = 0;
  int lethal = 0;
  int trivial = 0;
  int retarding = 0;
  int redundant = 0;
  int solves = 0;  // library solves, the wild type included
};

struct Workbench {
  NetworkModel model;
  Settings settings;

  // Gene deletion studies: the gene key of every reaction (numbered like reaction_names), the
  // number of entries the last study read, and the option of the detailed deletions.
  std::vector<std::string> reaction_gene_keys;
  int num_of_genes = 0;
  int precursors_only = 1;
  DeletionSummary last_deletion;

  // The metabolic map and the display options.
  MapTables map;
  int color_fluxes = 0;       // zero-flux arrows coloured by reduced cost
  int color_metabolites = 0;  // labels coloured by shadow price
  float map_scale = 1.0f;     // multiplies every map and plot coordinate
  int map_font_size = 11;     // font height in logical units

  // The scans: their settings, their results for the diagrams, and the plots' options.
  PhasePlaneSettings phase;
  IsoclineSettings isocline;
  RobustnessSettings robust;
  PhasePlaneResult phase_result;
  IsoclineResult isocline_result;
  RobustnessResult robust_result;
  PhasePlotOptions phase_plot;
  RobustPlotOptions robust_plot;
  IsoclinePlotOptions isocline_plot;
  PlotLists plots;

  // The network tools' settings and results.
  NetworkToolsState tools;

  // The state of the shared pseudo-random generator (see random_draw); 1 at start-up.
  std::uint32_t random_state = 1;

  // Without a handler a failed open gives up at once and messages go nowhere.
  FileErrorHandler file_error_handler;
  MessageHandler message_handler;

  // Set when the current command refused its input; the front end clears it before a command.
  bool input_refused = false;
};

// Tells the user why a command refused its input and marks the command as refused.
void refuse_input(Workbench& wb, const std::string& text);

// The shared pseudo-random generator: state = state * 214013 + 2531011 (mod 2^32), yielding
// (state >> 16) & 32767, an integer from 0 to 32767. Never reseeded.
int random_draw(Workbench& wb);

// Tells the user something worth knowing about a command that went on (not a refusal).
void notify(Workbench& wb, const std::string& text);

}  // namespace vemo

#endif  // VEMO_MODEL_WORKBENCH_H_
