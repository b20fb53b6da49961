// The View-menu viewers: a file is opened in an outside program by the command line "viewer path,
// one blank, file name", the file name unquoted (a name with blanks reaches the viewer as several
// arguments).
#ifndef VEMO_UI_VIEWER_COMMAND_H_
#define VEMO_UI_VIEWER_COMMAND_H_

#include <QString>
#include <QStringList>
#include <functional>
#include <string>

namespace vemo {

// The viewer paths, each ending in the blank that separates it from the file name. Defaults:
// xdg-open for text, LibreOffice Calc for the spreadsheet; the environment variables
// VEMO_TEXT_VIEWER and VEMO_SPREADSHEET_VIEWER override them.
struct ViewerPaths {
  std::string text_viewer_path;
  std::string spreadsheet_viewer_path;

  static ViewerPaths from_environment();
};

// The command line for viewing file: the path (ending in its blank) followed by the name.
std::string viewer_command(const std::string& viewer_path, const std::string& file_name);

// Starts a program with its arguments without waiting; false when it could not be started.
using ViewerLauncher = std::function<bool(const QString& program, const QStringList& arguments)>;

// Splits the command line at blanks and starts it with launcher; false when the line is empty or
// the start failed.
bool start_viewer(const std::string& command_line, const ViewerLauncher& launcher);

// The launcher of the desktop program: a detached process.
bool launch_detached(const QString& program, const QStringList& arguments);

}  // namespace vemo

#endif  // VEMO_UI_VIEWER_COMMAND_H_
