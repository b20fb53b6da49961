#include <gtest/gtest.h>

#include <algorithm>

#include "display/draw_map.h"
#include "display/draw_view.h"
#include "display/recording_canvas.h"
#include "display/svg_canvas.h"
#include "lp/optimize.h"
#include "support/test_support.h"

namespace vemo {
namespace {

TEST(FormatValueTextTest, ThreeDecimalsRoundedHalfUp) {
  const std::pair<float, const char*> cases[] = {
      {2.5f, "2.500"},       {-0.04f, "-0.040"}, {12.3456f, "12.346"},
      {2.9996f, "3.000"},    {0.0015f, "0.002"}, {-9.9999f, "-10.000"},
      {1000.0f, "1000.000"}, {0.0004f, "0.000"}, {1e-07f, "0.000"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(format_value_text(value), text) << value;
}

class MapTest : public ::testing::Test {
 protected:
  void SetUp() override { recorder.attach(wb); }
  // Reads the toy network and solves it, then loads the map text.
  bool load(const std::string& map_text) {
    test::write_file("path.stm", test::kToyNetwork);
    read_optimize(wb);
    test::write_file("mapper.txt", map_text);
    return draw_map(wb);
  }
  std::vector<std::string> drawn() {
    RecordingCanvas canvas;
    draw_view(wb, canvas);
    return canvas.calls;
  }
  bool has_call(const std::string& call) {
    const auto calls = drawn();
    return std::find(calls.begin(), calls.end(), call) != calls.end();
  }
  test::ScratchFolder folder;
  Workbench wb;
  test::FrontEndRecorder recorder;
};

TEST_F(MapTest, ReadsEveryRecordKind) {
  ASSERT_TRUE(
      load("3 120 40 G6P\n5 130 60 130 140 HEX1 140 95 90 95\n"
           "1 0x10 010 -3 +4  4  2 1 2 3 4  7 8  3 5 6 ABCDEFGHIJKLMNOPQ "
           "5 0 0 10 0 VERYLONGREACTIONNAME 1 2 3 4 999 3 1 1 AFTER"));
  const MapTables& m = wb.map;
  ASSERT_EQ(m.num_of_map_labels, 5);
  ASSERT_EQ(m.num_of_map_arrows, 2);
  EXPECT_EQ(m.labels[1].name, "G6P");
  EXPECT_EQ(m.labels[2].x, 16);  // hexadecimal
  EXPECT_EQ(m.labels[2].y, 8);   // octal
  EXPECT_EQ(m.labels[2].x2, -3);
  EXPECT_EQ(m.labels[5].name, "ABCDEFGHIJKLMNO");  // cut to 15
  EXPECT_EQ(m.arrows[2].name, "VERYLONGREACTI");   // cut to 14
  const MapArrow& a = m.arrows[1];
  EXPECT_EQ(a.name, "HEX1");
  EXPECT_EQ(a.value_x, 140);
  EXPECT_EQ(a.name_y, 95);
  // A downward arrow: barbs 5 back up the shaft, 5 to either side.
  EXPECT_EQ(a.barb1_x, 125);
  EXPECT_EQ(a.barb1_y, 135);
  EXPECT_EQ(a.barb2_x, 135);
  EXPECT_EQ(a.barb2_y, 135);
  EXPECT_FLOAT_EQ(a.flux, 10.0f);
  EXPECT_EQ(a.value_text, "10.000");
  EXPECT_EQ(m.arrows[2].flux, kNotFoundMarker);
  EXPECT_FLOAT_EQ(m.labels[1].price, wb.model.shadow_price[wb.model.find_row("G6P")]);
}

TEST_F(MapTest, ADiagonalArrowGetsTheSameTurnOnBothCoordinates) {
  ASSERT_TRUE(load("5 0 0 30 40 HEX1 0 0 0 0 999"));
  // u = (-3, -4) back along the shaft; barb 1 = head + u + (uy, ux), barb 2 = head + u - (uy, ux).
  const MapArrow& a = wb.map.arrows[1];
  EXPECT_EQ(a.barb1_x, 23);
  EXPECT_EQ(a.barb1_y, 33);
  EXPECT_EQ(a.barb2_x, 31);
  EXPECT_EQ(a.barb2_y, 39);
}

TEST_F(MapTest, SlotsAreNeverCleared) {
  ASSERT_TRUE(load("3 1 2 OLD 999"));
  ASSERT_TRUE(load("4 999"));
  EXPECT_EQ(wb.map.num_of_map_labels, 1);
  EXPECT_EQ(wb.map.labels[1].name, "OLD");  // the code-4 slot keeps the earlier name
  ASSERT_TRUE(load("999"));
  EXPECT_EQ(wb.map.num_of_map_labels, 0);
  EXPECT_EQ(wb.map.num_of_map_arrows, 0);
}

TEST_F(MapTest, AShortRecordEndsTheLoadWithoutValues) {
  EXPECT_FALSE(load("5 0 0 10 0 HEX1 1 2 3 4  1 5 6 X 3 1 1 LATER 999"));
  EXPECT_EQ(wb.map.num_of_map_labels, 1);  // the slot of the broken record counts
  EXPECT_EQ(wb.map.num_of_map_arrows, 1);
  EXPECT_EQ(wb.map.arrows[1].flux, 0.0f);  // nothing attached
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_EQ(recorder.messages[0],
            "mapper.txt: 'X' is not an integer (a label record); the map was read only up to "
            "there");
}

TEST_F(MapTest, AMissingEndMarkerReadsToTheEndOfTheFile) {
  EXPECT_TRUE(load("3 1 2 G6P 5 0 0 0 0 PGIR 1 1 1 1"));
  EXPECT_EQ(wb.map.num_of_map_arrows, 1);
  EXPECT_EQ(wb.map.arrows[1].barb1_x, 0);  // no length, no barbs: they sit on the head
}

TEST_F(MapTest, ObjectArrowAndReversibleReducedCosts) {
  ASSERT_TRUE(load("5 0 0 0 50 Object 5 5 5 5  5 0 0 50 0 PGIR 1 1 2 2 999"));
  EXPECT_FLOAT_EQ(wb.map.arrows[1].flux, 10.0f);
  EXPECT_EQ(wb.map.arrows[1].second, 1.0f);
  wb.model.flux[3] = 0.0f;  // PGIR idle with a positive reduced cost: drawn as negative
  wb.model.reduced_cost[3] = 0.3f;
  ASSERT_TRUE(draw_map(wb));
  EXPECT_FLOAT_EQ(wb.map.arrows[2].second, -0.3f);
  wb.model.second_file_read = 1;  // after a comparison the class is taken as it is
  ASSERT_TRUE(draw_map(wb));
  EXPECT_FLOAT_EQ(wb.map.arrows[2].second, 0.3f);
}

// The text colour, font and pen in force when the call at `at` is made.
void expect_look_before(const std::vector<std::string>& calls,
                        std::vector<std::string>::const_iterator at, const char* color,
                        const char* font, const char* pen) {
  std::string last_color, last_font, last_pen;
  for (auto it = calls.begin(); it != at; ++it) {
    if (it->rfind("color ", 0) == 0) last_color = *it;
    if (it->rfind("font ", 0) == 0) last_font = *it;
    if (it->rfind("pen ", 0) == 0) last_pen = *it;
  }
  EXPECT_EQ(last_color, std::string("color ") + color);
  EXPECT_EQ(last_font, std::string("font Arial ") + font);
  EXPECT_EQ(last_pen, std::string("pen ") + pen);
}

// flux, reduced cost, color_fluxes -> text colour, font height, pen, value shown
struct LookCase {
  float flux;
  float reduced_cost;
  int color_fluxes;
  const char* color;
  const char* font;
  const char* pen;
  bool value_shown;
};

class ArrowLookTest : public MapTest, public ::testing::WithParamInterface<LookCase> {};

TEST_P(ArrowLookTest, ColourFontPenAndValueFollowTheFlux) {
  const LookCase& c = GetParam();
  ASSERT_TRUE(load("5 0 0 100 0 HEX1 10 20 30 40 999"));
  wb.map.arrows[1].flux = c.flux;
  wb.map.arrows[1].second = c.reduced_cost;
  wb.map.arrows[1].value_text = "VALUE";
  wb.color_fluxes = c.color_fluxes;
  const auto calls = drawn();
  const auto name = std::find(calls.begin(), calls.end(), "text 30 40 HEX1");
  ASSERT_NE(name, calls.end());
  const bool value = std::find(calls.begin(), calls.end(), "text 10 20 VALUE") != calls.end();
  EXPECT_EQ(value, c.value_shown);
  expect_look_before(calls, name, c.color, c.font, c.pen);
  EXPECT_EQ(*(name + 1), "move 0 0");
  EXPECT_EQ(*(name + 2), "line 100 0");
}

INSTANTIATE_TEST_SUITE_P(
    Looks, ArrowLookTest,
    ::testing::Values(LookCase{11111.0f, 0, 0, "255,200,200", "8", "dotted 1 255,100,100", false},
                      LookCase{2.0f, 0, 0, "0,0,0", "11", "solid 1 0,0,0", true},
                      LookCase{-2.0f, 0, 0, "0,0,255", "11", "solid 1 0,0,255", true},
                      LookCase{1e-07f, 0, 1, "0,255,0", "8", "solid 1 0,255,0", false},
                      LookCase{0.0f, -0.5f, 1, "255,0,0", "8", "solid 1 255,0,0", false},
                      LookCase{0.0f, 0.5f, 1, "210,210,250", "8", "solid 1 170,170,170", false},
                      LookCase{0.0f, -0.5f, 0, "210,210,250", "8", "solid 1 170,170,170", false}));

// comparison value, class -> text colour, font height, pen, value shown
struct ClassCase {
  float value;
  float comparison_class;
  const char* color;
  const char* font;
  const char* pen;
  bool value_shown;
};

class ComparisonLookTest : public MapTest, public ::testing::WithParamInterface<ClassCase> {};

TEST_P(ComparisonLookTest, EachClassHasItsLook) {
  const ClassCase& c = GetParam();
  ASSERT_TRUE(load("5 0 0 100 0 HEX1 10 20 30 40 999"));
  wb.model.second_file_read = 1;
  wb.map.arrows[1].flux = c.value;
  wb.map.arrows[1].second = c.comparison_class;
  wb.map.arrows[1].value_text = "VALUE";
  const auto calls = drawn();
  const auto name = std::find(calls.begin(), calls.end(), "text 30 40 HEX1");
  ASSERT_NE(name, calls.end());
  EXPECT_EQ(std::find(calls.begin(), name, "text 10 20 VALUE") != name, c.value_shown);
  expect_look_before(calls, name, c.color, c.font, c.pen);
}

INSTANTIATE_TEST_SUITE_P(
    Classes, ComparisonLookTest,
    ::testing::Values(ClassCase{11111.0f, 0.0f, "255,200,200", "8", "dotted 1 255,100,100", false},
                      ClassCase{1.0f, 1.0f, "0,0,0", "11", "solid 2 0,0,0", true},
                      ClassCase{1.0f, 1.5f, "255,0,0", "11", "solid 2 255,0,0", true},
                      ClassCase{1.0f, 0.5f, "0,0,255", "11", "solid 2 0,0,255", true},
                      ClassCase{1.0f, 2.0f, "255,0,0", "11", "solid 1 255,0,0", true},
                      ClassCase{1.0f, 3.0f, "0,255,0", "11", "solid 1 0,255,0", true},
                      ClassCase{1.0f, 4.0f, "0,0,255", "11", "solid 1 0,0,255", true},
                      ClassCase{0.0f, 5.0f, "0,0,0", "8", "solid 1 200,200,255", false},
                      // A later test overrides an earlier one: not found, but class 1.
                      ClassCase{11111.0f, 1.0f, "0,0,0", "11", "solid 2 0,0,0", true}));

TEST_F(MapTest, ComparisonClassesAndScaleAndLabelColours) {
  ASSERT_TRUE(load("3 10 10 G6P 5 0 0 100 0 HEX1 10 20 30 40 999"));
  wb.model.second_file_read = 1;
  wb.map.arrows[1].second = 1.5f;  // class "rises": thick red
  wb.map_scale = 2.0f;
  wb.color_metabolites = 1;
  wb.map.labels[1].price = 0.5f;
  const auto calls = drawn();
  EXPECT_NE(std::find(calls.begin(), calls.end(), "pen solid 2 255,0,0"), calls.end());
  EXPECT_NE(std::find(calls.begin(), calls.end(), "text 60 80 HEX1"), calls.end());  // doubled
  const auto label = std::find(calls.begin(), calls.end(), "text 20 20 G6P");
  ASSERT_NE(label, calls.end());
  EXPECT_EQ(*(label - 1), "color 255,0,0");  // a positive price: a red label
}

TEST_F(MapTest, OutOfRangeViewSettingsAreCorrectedAndStored) {
  ASSERT_TRUE(load("999"));
  wb.map_scale = 7.0f;
  wb.map_font_size = 25;
  const auto calls = drawn();
  EXPECT_EQ(wb.map_scale, 1.0f);
  EXPECT_EQ(wb.map_font_size, 11);
  EXPECT_EQ(calls[0], "font Arial 11");
}

TEST_F(MapTest, SvgHoldsOneElementPerPrimitive) {
  ASSERT_TRUE(load("3 10 10 A<B 5 0 0 100 0 HEX1 10 20 30 40 999"));
  SvgCanvas svg(kViewWidth, kViewHeight);
  draw_view(wb, svg);
  svg.pixel(1, 2, {9, 8, 7});
  svg.ellipse(0, 0, 10, 20);
  const std::string doc = svg.document();
  EXPECT_NE(doc.find("width=\"4000\" height=\"2000\""), std::string::npos);
  EXPECT_NE(doc.find(">A&lt;B</text>"), std::string::npos);
  EXPECT_NE(doc.find("<line x1=\"0\" y1=\"0\" x2=\"100\" y2=\"0\" stroke=\"rgb(0,0,0)\""),
            std::string::npos);
  EXPECT_NE(doc.find("<rect x=\"1\" y=\"2\" width=\"1\" height=\"1\" fill=\"rgb(9,8,7)\"/>"),
            std::string::npos);
  EXPECT_NE(doc.find("<ellipse cx=\"5.000000\" cy=\"10.000000\""), std::string::npos);
  // One element per line: every <line> holds exactly one segment.
  size_t lines = 0;
  for (size_t at = doc.find("<line "); at != std::string::npos; at = doc.find("<line ", at + 1)) {
    EXPECT_EQ(doc.compare(doc.find('>', at) - 1, 2, "/>"), 0);
    ++lines;
  }
  RecordingCanvas recorded;
  draw_view(wb, recorded);
  EXPECT_EQ(lines, static_cast<size_t>(std::count_if(
                       recorded.calls.begin(), recorded.calls.end(),
                       [](const std::string& c) { return c.rfind("line ", 0) == 0; })));
}

}  // namespace
}  // namespace vemo
