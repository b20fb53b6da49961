#include "ui/viewer_command.h"

#include <QProcess>
#include <cstdlib>

namespace vemo {

namespace {

std::string viewer_from(const char* variable, const char* fallback) {
  const char* value = std::getenv(variable);
  std::string path = (value != nullptr && *value != '\0') ? value : fallback;
  if (path.back() != ' ') path += ' ';
  return path;
}

}  // namespace

ViewerPaths ViewerPaths::from_environment() {
  return {viewer_from("VEMO_TEXT_VIEWER", "xdg-open "),
          viewer_from("VEMO_SPREADSHEET_VIEWER", "libreoffice --calc ")};
}

std::string viewer_command(const std::string& viewer_path, const std::string& file_name) {
  return viewer_path + file_name;
}

bool start_viewer(const std::string& command_line, const ViewerLauncher& launcher) {
  QStringList words = QString::fromStdString(command_line).split(' ', Qt::SkipEmptyParts);
  if (words.isEmpty()) return false;
  const QString program = words.takeFirst();
  return launcher(program, words);
}

bool launch_detached(const QString& program, const QStringList& arguments) {
  return QProcess::startDetached(program, arguments);
}

}  // namespace vemo
