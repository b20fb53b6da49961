// The Canvas the view paints with: a QPainter on the view's viewport.
#ifndef VEMO_UI_PAINTER_CANVAS_H_
#define VEMO_UI_PAINTER_CANVAS_H_

#include <QPoint>

#include "display/canvas.h"

class QPainter;

namespace vemo {

class PainterCanvas : public Canvas {
 public:
  explicit PainterCanvas(QPainter& painter);

  void set_pen(PenStyle style, int width, Rgb color) override;
  void set_font(const std::string& face, int height) override;
  void set_text_color(Rgb color) override;
  void text(int x, int y, const std::string& text) override;
  void move_to(int x, int y) override;
  void line_to(int x, int y) override;
  void ellipse(int left, int top, int right, int bottom) override;
  void pixel(int x, int y, Rgb color) override;

 private:
  QPainter& painter_;
  QPoint current_;
  Rgb text_color_;
};

}  // namespace vemo

#endif  // VEMO_UI_PAINTER_CANVAS_H_
