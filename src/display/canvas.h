// The drawing surface of the view's one draw operation. The map and the diagrams are drawn once,
// against this interface; the desktop view paints it with QPainter, the headless front end writes
// it as SVG, and tests record it.
//
// Coordinates are logical units after scaling: x to the right, y downward, (0, 0) the top-left
// corner of the 4000 x 2000 drawing area.
#ifndef VEMO_DISPLAY_CANVAS_H_
#define VEMO_DISPLAY_CANVAS_H_

#include <string>

namespace vemo {

struct Rgb {
  int r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

enum class PenStyle { kSolid, kDotted };

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void set_pen(PenStyle style, int width, Rgb color) = 0;
  // The font face and its cell height in logical units.
  virtual void set_font(const std::string& face, int height) = 0;
  virtual void set_text_color(Rgb color) = 0;
  // Text whose top-left corner is (x, y), on an opaque white background.
  virtual void text(int x, int y, const std::string& text) = 0;
  virtual void move_to(int x, int y) = 0;
  // A line with the current pen from the current point to (x, y), which becomes the current point.
  virtual void line_to(int x, int y) = 0;
  // The outline of the ellipse inscribed in the rectangle (left, top)-(right, bottom).
  virtual void ellipse(int left, int top, int right, int bottom) = 0;
  virtual void pixel(int x, int y, Rgb color) = 0;
};

}  // namespace vemo

#endif  // VEMO_DISPLAY_CANVAS_H_
