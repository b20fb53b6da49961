#include "ui/vemo_app.h"

#include <QCoreApplication>

#include "ui/about_dlg.h"
#include "ui/command_table.h"
#include "ui/main_frame.h"

namespace vemo {

CVemoApp::CVemoApp() = default;
CVemoApp::~CVemoApp() = default;

void CVemoApp::init_instance(bool show) {
  QCoreApplication::setOrganizationName(kSettingsKey);
  // Registers the per-user settings store; nothing of the program is kept there or read back.
  QCoreApplication::setApplicationName(kApplicationTitle);
  frame_ = std::make_unique<CMainFrame>(wb_, document_, *this);
  if (show) frame_->show();
}

bool CVemoApp::has_handler(int number) const { return number == kCmdAbout; }

void CVemoApp::handle_command(int number) {
  if (number == kCmdAbout) CAboutDlg(frame_.get()).exec();
}

}  // namespace vemo
