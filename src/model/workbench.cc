#include "model/workbench.h"

namespace vemo {

void refuse_input(Workbench& wb, const std::string& text) {
  wb.input_refused = true;
  if (wb.message_handler) wb.message_handler(text);
}

void notify(Workbench& wb, const std::string& text) {
  if (wb.message_handler) wb.message_handler(text);
}

}  // namespace vemo
