// A Canvas that writes SVG: one element per primitive (a <line> per segment, a <text> per string,
// an <ellipse> per ellipse, a 1x1 <rect> per pixel), colours as rgb(r,g,b), coordinates as drawn.
#ifndef VEMO_DISPLAY_SVG_CANVAS_H_
#define VEMO_DISPLAY_SVG_CANVAS_H_

#include <string>

#include "display/canvas.h"

namespace vemo {

class SvgCanvas : public Canvas {
 public:
  SvgCanvas(int width, int height);

  void set_pen(PenStyle style, int width, Rgb color) override;
  void set_font(const std::string& face, int height) override;
  void set_text_color(Rgb color) override;
  void text(int x, int y, const std::string& text) override;
  void move_to(int x, int y) override;
  void line_to(int x, int y) override;
  void ellipse(int left, int top, int right, int bottom) override;
  void pixel(int x, int y, Rgb color) override;

  // The whole document, closed.
  std::string document() const;

 private:
  std::string stroke() const;

  int width_, height_;
  std::string body_;
  PenStyle pen_style_ = PenStyle::kSolid;
  int pen_width_ = 1;
  Rgb pen_color_;
  std::string font_face_ = "Arial";
  int font_height_ = 11;
  Rgb text_color_;
  int x_ = 0, y_ = 0;
};

// "rgb(r,g,b)".
std::string svg_color(Rgb color);

}  // namespace vemo

#endif  // VEMO_DISPLAY_SVG_CANVAS_H_
