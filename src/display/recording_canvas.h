// A Canvas that records every call as a line of text, for tests of the draw operation:
// "pen solid 1 0,0,0", "font Arial 11", "color 0,0,255", "text 10 20 PGI", "move 1 2",
// "line 3 4", "ellipse 1 2 3 4", "pixel 5 6 255,0,0".
#ifndef VEMO_DISPLAY_RECORDING_CANVAS_H_
#define VEMO_DISPLAY_RECORDING_CANVAS_H_

#include <string>
#include <vector>

#include "display/canvas.h"

namespace vemo {

class RecordingCanvas : public Canvas {
 public:
  void set_pen(PenStyle style, int width, Rgb color) override;
  void set_font(const std::string& face, int height) override;
  void set_text_color(Rgb color) override;
  void text(int x, int y, const std::string& text) override;
  void move_to(int x, int y) override;
  void line_to(int x, int y) override;
  void ellipse(int left, int top, int right, int bottom) override;
  void pixel(int x, int y, Rgb color) override;

  std::vector<std::string> calls;
};

}  // namespace vemo

#endif  // VEMO_DISPLAY_RECORDING_CANVAS_H_
