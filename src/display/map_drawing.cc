#include "display/map_drawing.h"

namespace vemo {

namespace {

constexpr float kZeroFlux = 1e-06f;
constexpr Rgb kNotFoundText{255, 200, 200};
constexpr Rgb kInactiveText{210, 210, 250};

struct ArrowLook {
  Rgb text;
  Font font;
  Pen pen;
  bool show_value;
};

ArrowLook normal_look(float f, float r, bool color_fluxes) {
  if (f == kNotFoundMarker) return {kNotFoundText, Font::kSmall, Pen::kDottedPink, false};
  if (f > kZeroFlux) return {kBlackColor, Font::kNormal, Pen::kBlack, true};
  if (f < -kZeroFlux) return {kBlueColor, Font::kNormal, Pen::kBlue, true};
  if (color_fluxes) {
    if (-kZeroFlux < r && r < kZeroFlux) return {kGreenColor, Font::kSmall, Pen::kGreen, false};
    if (r <= -kZeroFlux) return {kRedColor, Font::kSmall, Pen::kRed, false};
  }
  return {kInactiveText, Font::kSmall, Pen::kGrey, false};
}

// After a comparison the value is the comparison value and r its class; the tests are made one
// after the other, each that holds sets the look (and writes the value where it says so), so a
// later one overrides an earlier one.
void draw_comparison_arrow(const MapArrow& a, DrawContext& dc) {
  const auto apply = [&](Rgb text, Font font, Pen pen, bool show_value) {
    dc.use_text_color(text);
    dc.use_font(font);
    dc.use_pen(pen);
    if (show_value) dc.text(a.value_x, a.value_y, a.value_text);
  };
  const float f = a.flux, r = a.second;
  if (f == kNotFoundMarker) apply(kNotFoundText, Font::kSmall, Pen::kDottedPink, false);
  if (r == 1.0f) apply(kBlackColor, Font::kNormal, Pen::kThickBlack, true);
  if (r == 1.5f) apply(kRedColor, Font::kNormal, Pen::kThickRed, true);
  if (r == 0.5f) apply(kBlueColor, Font::kNormal, Pen::kThickBlue, true);
  if (r == 2.0f) apply(kRedColor, Font::kNormal, Pen::kRed, true);
  if (r == 3.0f) apply(kGreenColor, Font::kNormal, Pen::kGreen, true);
  if (r == 4.0f) apply(kBlueColor, Font::kNormal, Pen::kBlue, true);
  if (r == 5.0f) apply(kBlackColor, Font::kSmall, Pen::kPaleBlue, false);
}

void draw_labels(const Workbench& wb, DrawContext& dc) {
  dc.use_text_color(kBlackColor);
  for (int k = 1; k <= wb.map.num_of_map_labels; ++k) {
    const MapLabel& label = wb.map.labels[k];
    if (wb.color_metabolites == 1) {
      dc.use_text_color(label.price >= 1e-06f    ? kRedColor
                        : label.price <= -1e-06f ? kBlackColor
                                                 : kGreenColor);
    }
    dc.text(label.x, label.y, label.name);
  }
}

void draw_arrow(const Workbench& wb, const MapArrow& a, DrawContext& dc) {
  if (wb.model.second_file_read == 1) {
    draw_comparison_arrow(a, dc);
  } else {
    const ArrowLook look = normal_look(a.flux, a.second, wb.color_fluxes == 1);
    dc.use_text_color(look.text);
    dc.use_font(look.font);
    dc.use_pen(look.pen);
    if (look.show_value) dc.text(a.value_x, a.value_y, a.value_text);
  }
  dc.text(a.name_x, a.name_y, a.name);
  dc.move_to(a.tail_x, a.tail_y);
  dc.line_to(a.head_x, a.head_y);
  dc.line_to(a.barb1_x, a.barb1_y);
  dc.move_to(a.head_x, a.head_y);
  dc.line_to(a.barb2_x, a.barb2_y);
}

}  // namespace

void draw_map_layer(const Workbench& wb, DrawContext& dc) {
  dc.use_font(Font::kNormal);
  draw_labels(wb, dc);
  for (int k = 1; k <= wb.map.num_of_map_arrows; ++k) draw_arrow(wb, wb.map.arrows[k], dc);
  dc.use_pen(Pen::kBlack);
}

}  // namespace vemo
