#include "display/recording_canvas.h"

namespace vemo {

namespace {

std::string rgb(Rgb c) {
  return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

std::string pair(int a, int b) { return std::to_string(a) + " " + std::to_string(b); }

}  // namespace

void RecordingCanvas::set_pen(PenStyle style, int width, Rgb color) {
  calls.push_back(std::string("pen ") + (style == PenStyle::kDotted ? "dotted " : "solid ") +
                  std::to_string(width) + " " + rgb(color));
}

void RecordingCanvas::set_font(const std::string& face, int height) {
  calls.push_back("font " + face + " " + std::to_string(height));
}

void RecordingCanvas::set_text_color(Rgb color) { calls.push_back("color " + rgb(color)); }

void RecordingCanvas::text(int x, int y, const std::string& text) {
  calls.push_back("text " + pair(x, y) + " " + text);
}

void RecordingCanvas::move_to(int x, int y) { calls.push_back("move " + pair(x, y)); }

void RecordingCanvas::line_to(int x, int y) { calls.push_back("line " + pair(x, y)); }

void RecordingCanvas::ellipse(int left, int top, int right, int bottom) {
  calls.push_back("ellipse " + pair(left, top) + " " + pair(right, bottom));
}

void RecordingCanvas::pixel(int x, int y, Rgb color) {
  calls.push_back("pixel " + pair(x, y) + " " + rgb(color));
}

}  // namespace vemo
