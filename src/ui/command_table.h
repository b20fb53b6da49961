// The command table of the desktop program: every menu item and toolbar button with the number
// it sends, its texts and the object that handles it, in menu order. The frame builds its menus,
// toolbar and status prompts from this table and nothing else.
#ifndef VEMO_UI_COMMAND_TABLE_H_
#define VEMO_UI_COMMAND_TABLE_H_

#include <span>

namespace vemo {

enum CommandId : int {
  kCmdReadOptimize = 32778,
  kCmdReadEncrypted = 32818,
  kCmdReadData = 32771,
  kCmdConditionedMatrix = 32838,
  kCmdOptimize = 32772,
  kCmdPrintPrimal = 32773,
  kCmdPrintDual = 32774,
  kCmdPrintStmat = 32775,
  kCmdDrawMap = 32776,
  kCmdMapScale = 32784,
  kCmdMapFontSize = 32785,
  kCmdDisplayOptions = 32794,
  kCmdSelectFiles = 32789,
  kCmdMakeEncrypted = 32806,
  kCmdObjective = 32819,
  kCmdReadP = 32835,
  kCmdComparisonOptions = 32802,
  kCmdDoComparison = 32803,
  kCmdSingleDeletion = 32779,
  kCmdDoubleDeletion = 32780,
  kCmdTripleDeletion = 32781,
  kCmdDetailedDeletions = 32796,
  kCmdDeletionOptions = 32836,
  kCmdDoRobustness = 32800,
  kCmdRobustnessParameters = 32798,
  kCmdDrawRobustness = 32815,
  kCmdRobustnessPlotOptions = 32817,
  kCmdMakePhasePlane = 32782,
  kCmdPhasePlaneOptions = 32787,
  kCmdDrawPhasePlane = 32786,
  kCmdPhasePlotOptions = 32788,
  kCmdMakeIsoclines = 32783,
  kCmdIsoclineOptions = 32810,
  kCmdDrawIsoclines = 32813,
  kCmdIsoclinePlotOptions = 32812,
  kCmdConnectivity = 32805,
  kCmdToggleToolbar = 59392,
  kCmdToggleStatusBar = 59393,
  kCmdViewReactions = 32820,
  kCmdViewMapper = 32828,
  kCmdViewDeletionInput = 32829,
  kCmdViewBounds = 32827,
  kCmdViewPrimal = 32825,
  kCmdViewDual = 32826,
  kCmdViewSingleDeletion = 32830,
  kCmdViewPhasePlane = 32834,
  kCmdAbout = 57664,
};

// Who handles a command; a command is offered to the view, the document, the frame and the
// application in that order.
enum class CommandTarget { kView, kFrame, kApplication };

struct CommandEntry {
  const char* menu;     // the menu bar popup
  const char* submenu;  // a popup inside it, or nullptr
  const char* text;     // nullptr for a separator
  int number;
  const char* prompt;  // status-bar text; "" for none
  const char* tip;     // toolbar tool tip; "" for none
  CommandTarget target;
};

// Every menu entry (separators included) in menu order.
std::span<const CommandEntry> command_table();
// The toolbar, left to right; 0 stands for a gap.
std::span<const int> toolbar_layout();
// The entry of a command number, or nullptr.
const CommandEntry* find_command(int number);

}  // namespace vemo

#endif  // VEMO_UI_COMMAND_TABLE_H_
