// What every part of the draw operation shares: the canvas, the scale, the two fonts and the
// pens, set up once per paint.
#ifndef VEMO_DISPLAY_DRAW_CONTEXT_H_
#define VEMO_DISPLAY_DRAW_CONTEXT_H_

#include "display/canvas.h"

namespace vemo {

enum class Pen {
  kDottedPink,
  kGrey,
  kBlack,
  kBlue,
  kGreen,
  kRed,
  kThickBlack,
  kThickRed,
  kThickBlue,
  kPaleBlue,
  // The diagrams' pens.
  kFrame,      // width 3, black; also the isoclines' border marks
  kGridLines,  // (150, 150, 250)
  kSecondaryPoint,
  kYellow,
  kCyan,
  kMagenta,
};

// small and label: trunc(0.8 * size); normal: size; title: 2 * size.
enum class Font { kSmall, kNormal, kTitle, kLabel };

inline constexpr Rgb kBlackColor{0, 0, 0};
inline constexpr Rgb kRedColor{255, 0, 0};
inline constexpr Rgb kGreenColor{0, 255, 0};
inline constexpr Rgb kBlueColor{0, 0, 255};

class DrawContext {
 public:
  // scale and font_size must already be within their valid ranges.
  DrawContext(Canvas& canvas, float scale, int font_size);

  // A map or plot coordinate as drawn: trunc(p * scale), held within +-1e9 (and 0 for a value
  // that is not a number) so that no coordinate overflows.
  int at(float p) const { return truncated(p * scale_); }
  static int truncated(float v);

  void use_pen(Pen pen);
  void use_font(Font font);
  void use_text_color(Rgb color) { canvas_.set_text_color(color); }
  // Text at the scaled point (x, y).
  void text(float x, float y, const std::string& s) { canvas_.text(at(x), at(y), s); }
  void move_to(float x, float y) { canvas_.move_to(at(x), at(y)); }
  void line_to(float x, float y) { canvas_.line_to(at(x), at(y)); }
  // The outline of the circle of radius 2 around (x, y), each corner scaled on its own.
  void circle(float x, float y) { canvas_.ellipse(at(x - 2), at(y - 2), at(x + 2), at(y + 2)); }
  float scale() const { return scale_; }
  Canvas& canvas() { return canvas_; }

 private:
  Canvas& canvas_;
  float scale_;
  int normal_height_;
  int small_height_;
  int title_height_;
};

}  // namespace vemo

#endif  // VEMO_DISPLAY_DRAW_CONTEXT_H_
