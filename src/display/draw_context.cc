#include "display/draw_context.h"

#include <cmath>

namespace vemo {

namespace {

const char* const kFontFace = "Arial";

struct PenLook {
  PenStyle style;
  int width;
  Rgb color;
};

PenLook look_of(Pen pen) {
  switch (pen) {
    case Pen::kDottedPink:
      return {PenStyle::kDotted, 1, {255, 100, 100}};
    case Pen::kGrey:
      return {PenStyle::kSolid, 1, {170, 170, 170}};
    case Pen::kBlack:
      return {PenStyle::kSolid, 1, kBlackColor};
    case Pen::kBlue:
      return {PenStyle::kSolid, 1, kBlueColor};
    case Pen::kGreen:
      return {PenStyle::kSolid, 1, kGreenColor};
    case Pen::kRed:
      return {PenStyle::kSolid, 1, kRedColor};
    case Pen::kThickBlack:
      return {PenStyle::kSolid, 2, kBlackColor};
    case Pen::kThickRed:
      return {PenStyle::kSolid, 2, kRedColor};
    case Pen::kThickBlue:
      return {PenStyle::kSolid, 2, kBlueColor};
    case Pen::kPaleBlue:
      return {PenStyle::kSolid, 1, {200, 200, 255}};
    case Pen::kFrame:
      return {PenStyle::kSolid, 3, kBlackColor};
    case Pen::kGridLines:
      return {PenStyle::kSolid, 1, {150, 150, 250}};
    case Pen::kSecondaryPoint:
      return {PenStyle::kSolid, 1, {0, 200, 0}};
    case Pen::kYellow:
      return {PenStyle::kSolid, 1, {255, 255, 0}};
    case Pen::kCyan:
      return {PenStyle::kSolid, 1, {0, 255, 255}};
    case Pen::kMagenta:
      return {PenStyle::kSolid, 1, {255, 0, 255}};
  }
  return {PenStyle::kSolid, 1, kBlackColor};
}

}  // namespace

DrawContext::DrawContext(Canvas& canvas, float scale, int font_size)
    : canvas_(canvas),
      scale_(scale),
      normal_height_(font_size),
      small_height_(static_cast<int>(0.8 * font_size)),
      title_height_(2 * font_size) {
  use_font(Font::kNormal);
  use_pen(Pen::kBlack);
}

int DrawContext::truncated(float v) {
  constexpr float kLimit = 1e9f;
  if (std::isnan(v)) return 0;
  if (v > kLimit) return static_cast<int>(kLimit);
  if (v < -kLimit) return static_cast<int>(-kLimit);
  return static_cast<int>(v);
}

void DrawContext::use_pen(Pen pen) {
  const PenLook look = look_of(pen);
  canvas_.set_pen(look.style, look.width, look.color);
}

void DrawContext::use_font(Font font) {
  const int height = font == Font::kNormal  ? normal_height_
                     : font == Font::kTitle ? title_height_
                                            : small_height_;
  canvas_.set_font(kFontFace, height);
}

}  // namespace vemo
