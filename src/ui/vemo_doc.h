// The document of the single-document window. All data lives in the Workbench, so the document
// holds nothing and handles no command; it exists to keep the routing order of the shell.
#ifndef VEMO_UI_VEMO_DOC_H_
#define VEMO_UI_VEMO_DOC_H_

#include "ui/command_handler.h"

namespace vemo {

class CVemoDoc : public CommandHandler {
 public:
  bool has_handler(int) const override { return false; }
  void handle_command(int) override {}
};

}  // namespace vemo

#endif  // VEMO_UI_VEMO_DOC_H_
