#include "display/svg_canvas.h"

namespace vemo {

namespace {

std::string escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        // Control characters are not allowed in XML text.
        out += (static_cast<unsigned char>(c) < 0x20) ? '?' : c;
    }
  }
  return out;
}

std::string num(int v) { return std::to_string(v); }

}  // namespace

std::string svg_color(Rgb c) { return "rgb(" + num(c.r) + "," + num(c.g) + "," + num(c.b) + ")"; }

SvgCanvas::SvgCanvas(int width, int height) : width_(width), height_(height) {}

void SvgCanvas::set_pen(PenStyle style, int width, Rgb color) {
  pen_style_ = style;
  pen_width_ = width;
  pen_color_ = color;
}

void SvgCanvas::set_font(const std::string& face, int height) {
  font_face_ = face;
  font_height_ = height;
}

void SvgCanvas::set_text_color(Rgb color) { text_color_ = color; }

std::string SvgCanvas::stroke() const {
  std::string s =
      " stroke=\"" + svg_color(pen_color_) + "\" stroke-width=\"" + num(pen_width_) + "\"";
  if (pen_style_ == PenStyle::kDotted) s += " stroke-dasharray=\"1,2\"";
  return s;
}

void SvgCanvas::text(int x, int y, const std::string& text) {
  body_ += "<text x=\"" + num(x) + "\" y=\"" + num(y) + "\" font-family=\"" + font_face_ +
           "\" font-size=\"" + num(font_height_) + "\" fill=\"" + svg_color(text_color_) +
           "\" dominant-baseline=\"text-before-edge\">" + escaped(text) + "</text>\n";
}

void SvgCanvas::move_to(int x, int y) {
  x_ = x;
  y_ = y;
}

void SvgCanvas::line_to(int x, int y) {
  body_ += "<line x1=\"" + num(x_) + "\" y1=\"" + num(y_) + "\" x2=\"" + num(x) + "\" y2=\"" +
           num(y) + "\"" + stroke() + "/>\n";
  x_ = x;
  y_ = y;
}

void SvgCanvas::ellipse(int left, int top, int right, int bottom) {
  const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
  const double rx = (right - left) / 2.0, ry = (bottom - top) / 2.0;
  body_ += "<ellipse cx=\"" + std::to_string(cx) + "\" cy=\"" + std::to_string(cy) + "\" rx=\"" +
           std::to_string(rx) + "\" ry=\"" + std::to_string(ry) + "\" fill=\"none\"" + stroke() +
           "/>\n";
}

void SvgCanvas::pixel(int x, int y, Rgb color) {
  body_ += "<rect x=\"" + num(x) + "\" y=\"" + num(y) + "\" width=\"1\" height=\"1\" fill=\"" +
           svg_color(color) + "\"/>\n";
}

std::string SvgCanvas::document() const {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
         "width=\"" +
         num(width_) + "\" height=\"" + num(height_) + "\" viewBox=\"0 0 " + num(width_) + " " +
         num(height_) + "\" style=\"background:white\">\n" + body_ + "</svg>\n";
}

}  // namespace vemo
