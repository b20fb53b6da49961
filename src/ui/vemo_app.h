// The application object: registers the settings store, creates the one state object, the
// document, the frame (with its view) and shows the main window. Handles the About box.
#ifndef VEMO_UI_VEMO_APP_H_
#define VEMO_UI_VEMO_APP_H_

#include <memory>

#include "model/workbench.h"
#include "ui/command_handler.h"
#include "ui/vemo_doc.h"

namespace vemo {

class CMainFrame;

class CVemoApp : public CommandHandler {
 public:
  CVemoApp();
  ~CVemoApp() override;

  // Start-up: settings store, document, frame; shows the window when show is true.
  void init_instance(bool show = true);

  bool has_handler(int number) const override;
  void handle_command(int number) override;

  Workbench& workbench() { return wb_; }
  CMainFrame* frame() const { return frame_.get(); }

 private:
  Workbench wb_;
  CVemoDoc document_;
  std::unique_ptr<CMainFrame> frame_;
};

// Organisation and application names under which the settings store keeps its values.
inline constexpr const char* kSettingsKey = "Local AppWizard-Generated Applications";
inline constexpr const char* kApplicationTitle = "Vemo";

}  // namespace vemo

#endif  // VEMO_UI_VEMO_APP_H_
