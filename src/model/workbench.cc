#include "model/workbench.h"

namespace vemo {

void refuse_input(Workbench& wb, const std::string& text) {
  wb.input_refused = true;
  if (wb.message_handler) wb.message_handler(text);
}

int random_draw(Workbench& wb) {
  wb.random_state = wb.random_state * 214013u + 2531011u;
  return static_cast<int>((wb.random_state >> 16) & 32767u);
}

void notify(Workbench& wb, const std::string& text) {
  if (wb.message_handler) wb.message_handler(text);
}

}  // namespace vemo
