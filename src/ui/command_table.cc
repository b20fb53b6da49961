#include "ui/command_table.h"

#include <array>

namespace vemo {

namespace {

constexpr CommandTarget kView = CommandTarget::kView;
constexpr CommandTarget kFrame = CommandTarget::kFrame;
constexpr CommandTarget kApp = CommandTarget::kApplication;

constexpr const char* kAnalysis = "&Analysis";
constexpr const char* kComparison = "&Comparison";
constexpr const char* kDeletion = "&Deletion";
constexpr const char* kRobustness = "&Robustness";
constexpr const char* kPhasePlane = "&Phase Plane";
constexpr const char* kIsoclines = "&Isoclines";
constexpr const char* kConnectivity = "Co&nnectivity";
constexpr const char* kViewMenu = "&View";
constexpr const char* kHelp = "&Help";
constexpr const char* kMapOptions = "&Map Options";

constexpr CommandEntry separator(const char* menu) {
  return {menu, nullptr, nullptr, 0, "", "", kFrame};
}

constexpr std::array kCommands = {
    CommandEntry{kAnalysis, nullptr, "Read/Optimize", kCmdReadOptimize,
                 "Read in the data and run the optimization", "Read/Optimize", kFrame},
    CommandEntry{kAnalysis, nullptr, "Read encrypted St. Mat.", kCmdReadEncrypted,
                 "Read the stoichiometric matrix into memory", "", kFrame},
    separator(kAnalysis),
    CommandEntry{kAnalysis, nullptr, "Read Data", kCmdReadData, "Read in the Stoichiometric Matrix",
                 "", kFrame},
    CommandEntry{kAnalysis, nullptr, "Make Conditioned Matrix", kCmdConditionedMatrix, "", "",
                 kFrame},
    separator(kAnalysis),
    CommandEntry{kAnalysis, nullptr, "Optimize", kCmdOptimize, "Run the optimization routines", "",
                 kFrame},
    separator(kAnalysis),
    CommandEntry{kAnalysis, nullptr, "Print Primal", kCmdPrintPrimal,
                 "Print the primal solution to a file", "Primal", kFrame},
    CommandEntry{kAnalysis, nullptr, "Print Dual", kCmdPrintDual,
                 "Print the dual solution to a file", "Dual", kFrame},
    CommandEntry{kAnalysis, nullptr, "Print St. Mat.", kCmdPrintStmat,
                 "Prints the Stoichiometric Matrix to a file", "", kFrame},
    separator(kAnalysis),
    CommandEntry{kAnalysis, nullptr, "&Draw Map", kCmdDrawMap, "Draw the metabolic map", "Draw",
                 kView},
    CommandEntry{kAnalysis, kMapOptions, "Scale ...", kCmdMapScale, "Scale the Map", "", kView},
    CommandEntry{kAnalysis, kMapOptions, "Font Size ...", kCmdMapFontSize,
                 "Change the font size of the text in the map", "", kView},
    CommandEntry{kAnalysis, kMapOptions, "Display &Options ...", kCmdDisplayOptions,
                 "Change the display options", "Display Options", kView},
    separator(kAnalysis),
    CommandEntry{kAnalysis, nullptr, "Select files ...", kCmdSelectFiles, "File Options", "Files",
                 kFrame},
    separator(kAnalysis),
    CommandEntry{kAnalysis, nullptr, "Make encrypted St. Mat.", kCmdMakeEncrypted,
                 "Make the input files for the basic program", "", kFrame},
    CommandEntry{kAnalysis, nullptr, "Objective Function ...", kCmdObjective,
                 "Pick the objective function", "Objective", kFrame},
    separator(kAnalysis),
    CommandEntry{kAnalysis, nullptr, "Read P", kCmdReadP, "", "", kFrame},
    CommandEntry{kComparison, nullptr, "Options ...", kCmdComparisonOptions, "", "", kFrame},
    separator(kComparison),
    CommandEntry{kComparison, nullptr, "&Do Comparison", kCmdDoComparison, "Do the comparison", "",
                 kFrame},
    CommandEntry{kDeletion, nullptr, "Single Deletion", kCmdSingleDeletion,
                 "Run the deletion study", "", kFrame},
    CommandEntry{kDeletion, nullptr, "Double Deletion", kCmdDoubleDeletion,
                 "Do the double deletions", "", kFrame},
    CommandEntry{kDeletion, nullptr, "Triple Deletion", kCmdTripleDeletion,
                 "Calculate all possible triple deletions", "", kFrame},
    separator(kDeletion),
    CommandEntry{kDeletion, nullptr, "Detailed Deletions", kCmdDetailedDeletions, "", "", kFrame},
    CommandEntry{kDeletion, nullptr, "Options ...", kCmdDeletionOptions,
                 "Options for the detailed deletions", "", kFrame},
    CommandEntry{kRobustness, nullptr, "Do Robustness", kCmdDoRobustness, "", "", kFrame},
    CommandEntry{kRobustness, nullptr, "Parameters ...", kCmdRobustnessParameters, "", "", kFrame},
    separator(kRobustness),
    CommandEntry{kRobustness, nullptr, "Draw Robustness", kCmdDrawRobustness, "", "", kView},
    CommandEntry{kRobustness, nullptr, "Plot Options ...", kCmdRobustnessPlotOptions, "", "",
                 kView},
    CommandEntry{kPhasePlane, nullptr, "Make Phase Plane", kCmdMakePhasePlane,
                 "Run the analysis to generate the phase plane", "", kFrame},
    CommandEntry{kPhasePlane, nullptr, "Options ...", kCmdPhasePlaneOptions,
                 "Parameters used in the generation of the phase plane", "", kFrame},
    separator(kPhasePlane),
    CommandEntry{kPhasePlane, nullptr, "Draw Phase Plane", kCmdDrawPhasePlane,
                 "Draw the phase plane", "", kView},
    CommandEntry{kPhasePlane, nullptr, "Plot Options ...", kCmdPhasePlotOptions,
                 "Parameters to adjust the appearance of the phase plane", "", kView},
    CommandEntry{kIsoclines, nullptr, "Make isoclines", kCmdMakeIsoclines,
                 "Run the program to calculate the isoclines", "", kFrame},
    CommandEntry{kIsoclines, nullptr, "Options ...", kCmdIsoclineOptions, "", "", kFrame},
    separator(kIsoclines),
    CommandEntry{kIsoclines, nullptr, "Draw Isoclines", kCmdDrawIsoclines, "", "", kView},
    CommandEntry{kIsoclines, nullptr, "Plot Options ...", kCmdIsoclinePlotOptions,
                 "The parameters used to draw the plot", "", kView},
    CommandEntry{kConnectivity, nullptr, "Do Connectiity", kCmdConnectivity, "", "", kFrame},
    CommandEntry{kViewMenu, nullptr, "&Toolbar", kCmdToggleToolbar, "Show or hide the toolbar",
                 "Toggle ToolBar", kFrame},
    CommandEntry{kViewMenu, nullptr, "&Status Bar", kCmdToggleStatusBar,
                 "Show or hide the status bar", "Toggle StatusBar", kFrame},
    separator(kViewMenu),
    CommandEntry{kViewMenu, nullptr, "Reactions File", kCmdViewReactions,
                 "Open the reactions file in a word pad", "Open Reactions", kFrame},
    CommandEntry{kViewMenu, nullptr, "Mapper File", kCmdViewMapper, "View the Mapper file", "",
                 kFrame},
    CommandEntry{kViewMenu, nullptr, "Deletion input", kCmdViewDeletionInput,
                 "View the deletion input file", "", kFrame},
    CommandEntry{kViewMenu, nullptr, "Bounds File", kCmdViewBounds, "View the Bounds File",
                 "Open Bounds", kFrame},
    separator(kViewMenu),
    CommandEntry{kViewMenu, nullptr, "Primal File", kCmdViewPrimal, "View the primal file",
                 "Open Primal", kFrame},
    CommandEntry{kViewMenu, nullptr, "Dual File", kCmdViewDual, "View the Dual File", "Open Dual",
                 kFrame},
    CommandEntry{kViewMenu, nullptr, "Single Deletion", kCmdViewSingleDeletion, "", "", kFrame},
    CommandEntry{kViewMenu, nullptr, "Phase Plane", kCmdViewPhasePlane,
                 "Open Phase Plane Output File with Excel", "", kFrame},
    CommandEntry{kHelp, nullptr, "&About Vemo...", kCmdAbout,
                 "Display program information, version number and copyright", "About", kApp},
};

constexpr std::array<int, 14> kToolbar = {kCmdReadOptimize,
                                          kCmdDrawMap,
                                          0,
                                          kCmdObjective,
                                          kCmdSelectFiles,
                                          kCmdDisplayOptions,
                                          0,
                                          kCmdPrintPrimal,
                                          kCmdPrintDual,
                                          0,
                                          kCmdViewPrimal,
                                          kCmdViewDual,
                                          kCmdViewReactions,
                                          kCmdViewBounds};

}  // namespace

std::span<const CommandEntry> command_table() { return kCommands; }

std::span<const int> toolbar_layout() { return kToolbar; }

const CommandEntry* find_command(int number) {
  for (const CommandEntry& entry : kCommands) {
    if (entry.text != nullptr && entry.number == number) return &entry;
  }
  return nullptr;
}

}  // namespace vemo
