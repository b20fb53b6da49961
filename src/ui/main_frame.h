// The main window: menu bar, toolbar and status bar built from the command table, the view in the
// middle, and the analysis commands and viewers. Commands are offered to the view, the document,
// the frame and the application in that order; an item nobody handles is disabled.
#ifndef VEMO_UI_MAIN_FRAME_H_
#define VEMO_UI_MAIN_FRAME_H_

#include <QMainWindow>
#include <functional>
#include <map>
#include <vector>

#include "model/workbench.h"
#include "ui/command_handler.h"
#include "ui/viewer_command.h"

class QLabel;
class QToolBar;

namespace vemo {

class CVemoView;

class CMainFrame : public QMainWindow, public CommandHandler {
  Q_OBJECT

 public:
  // The handlers are asked after the view and before the frame (the document) and after the
  // frame (the application).
  CMainFrame(Workbench& wb, CommandHandler& document, CommandHandler& application);

  bool has_handler(int number) const override;
  void handle_command(int number) override;

  // Offers the command to the view, the document, the frame and the application.
  void route_command(int number);

  CVemoView* view() const { return view_; }
  QToolBar* tool_bar() const { return tool_bar_; }
  QAction* action(int number) const;
  // The text of the status bar's message pane.
  QString message_text() const;

  // Replaced by tests to see the viewers' command lines without starting anything.
  ViewerLauncher viewer_launcher = launch_detached;
  ViewerPaths viewer_paths = ViewerPaths::from_environment();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void build_menus();
  void build_tool_bar();
  void build_status_bar();
  void register_frame_commands();
  // A command that shows an options dialog bound to the workbench.
  template <typename Dialog>
  std::function<void()> dialog_command();
  void add_viewer(int number, std::function<std::string()> file_name, bool spreadsheet);
  void show_prompt(int number);
  void show_idle();

  Workbench& wb_;
  std::vector<CommandHandler*> handlers_;  // view, document, frame, application
  std::map<int, std::function<void()>> frame_commands_;
  std::map<int, QAction*> actions_;
  CVemoView* view_ = nullptr;
  QToolBar* tool_bar_ = nullptr;
  QLabel* message_pane_ = nullptr;
};

}  // namespace vemo

#endif  // VEMO_UI_MAIN_FRAME_H_
