#include "display/draw_view.h"

namespace vemo {

void draw_view(const Workbench& /*wb*/, Canvas& /*canvas*/) {
  // The map and the diagrams are painted here once their tables exist.
}

}  // namespace vemo
