#include "analyses/conditioned_matrix.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_support.h"

namespace vemo {
namespace {

struct Column {
  std::string name;
  float flux;
  std::vector<MatrixEntry> entries;
};

// A network with the given rows (the objective row first) and columns, as an optimisation left it.
void set_network(NetworkModel& m, const std::vector<std::string>& rows,
                 const std::vector<Column>& columns) {
  m.num_of_rows = static_cast<int>(rows.size());
  m.num_of_reactions = static_cast<int>(columns.size());
  for (size_t i = 0; i < rows.size(); ++i) m.row_names[i + 1] = rows[i];
  for (size_t j = 0; j < columns.size(); ++j) {
    const int c = static_cast<int>(j) + 1;
    m.reaction_names[c] = columns[j].name;
    m.flux[c] = columns[j].flux;
    for (const MatrixEntry& e : columns[j].entries) m.stoich_matrix.set(e.row, c, e.value);
  }
}

// Every column named C1.. with flux 1 and an entry 1 in each of the rows M1..Mrows.
void set_full_network(NetworkModel& m, int rows, int columns) {
  std::vector<std::string> row_names = {"Obj"};
  for (int i = 1; i <= rows; ++i) row_names.push_back("M" + std::to_string(i));
  std::vector<Column> cols;
  for (int j = 1; j <= columns; ++j) {
    Column c{"C" + std::to_string(j), 1.0f, {}};
    for (int i = 2; i <= rows + 1; ++i) c.entries.push_back({i, 1.0f});
    cols.push_back(c);
  }
  set_network(m, row_names, cols);
}

// The expected list text with V standing for one value " 1.0000000".
std::string with_values(const std::string& pattern) {
  std::string text;
  for (char c : pattern) text += c == 'V' ? std::string(" 1.0000000") : std::string(1, c);
  return text;
}

TEST(ConditionedMatrixTest, ExcludedNames) {
  const std::pair<const char*, bool> cases[] = {
      {"PIUP1", true},  {"PIUP1R", true}, {"H2SO4UP", true}, {"NH3UPR", true}, {"UP", true},
      {"SOUP3R", true}, {"XUP2", true},   {"GLCxtI", true},  {"ACxtO", true},  {"O2TXR", true},
      {"VGRO", true},   {"ATPM", true},   {"Growth", true},  {"O2TX", false},  {"TKTA", false},
      {"UPX", false},   {"UP4", false},   {"P", false},      {"", false},      {"xt", false},
  };
  for (const auto& [name, excluded] : cases) {
    EXPECT_EQ(is_excluded_from_conditioned_matrix(name), excluded) << name;
  }
}

TEST(ConditionedMatrixTest, KeepsTheColumnsAndRowsThatCarryFlux) {
  test::ScratchFolder folder;
  Workbench wb;
  set_network(wb.model, {"Obj", "GLCxt", "G6P", "F6P", "FDP", "ORPH"},
              {{"GLCxtI", 10.0f, {{2, 1.0f}}},
               {"GLCpts", 10.0f, {{2, -1.0f}, {3, 1.0f}}},
               {"PGIR", 4.0f, {{3, -1.0f}, {4, 1.0f}}},
               {"PIUP1", 1.0f, {{5, 1.0f}}},
               {"TKTA", 1e-08f, {{6, 1.0f}}},
               {"PFKA", -2.5f, {{4, -1.0f}, {5, 1.0f}}},
               {"Growth", 1.0f, {{1, 1.0f}, {3, -0.5f}}},
               {"ZERO", 0.0f, {{5, 2.0f}}}});
  make_conditioned_matrix(wb);
  EXPECT_EQ(test::read_file("ConditionedMatrix.out"),
            "3 X 3\n"
            "              GLCpts   PGIR   PFKA \n"
            "         G6P   1.00  -1.00   0.00 \n"
            "         F6P   0.00   1.00  -1.00 \n"
            "         FDP   0.00   0.00   1.00 \n");
  EXPECT_EQ(test::read_file("MathConditionedMatrix.out"),
            "S = {\n"
            "{ 0.0000000, 1.0000000,-1.0000000},\n"
            "{ 0.0000000, 0.0000000, 1.0000000}}\n");
  EXPECT_EQ(wb.tools.conditioned_rows, 3);
  EXPECT_EQ(wb.tools.conditioned_columns, 3);
}

TEST(ConditionedMatrixTest, ListBreaksAfterEveryTenthValueOfTheFile) {
  struct Case {
    int rows, columns;
    const char* list;
  };
  const Case cases[] = {
      {3, 10, "S = {\n{V,V,V,V,V,V,V,V,V,V\n},\n{V,V,V,V,V,V,V,V,V,V\n}}\n"},
      {6, 4, "S = {\n{V,V,V,V},\n{V,V,V,V},\n{V,V,\nV,V},\n{V,V,V,V},\n{V,V,V,V\n}}\n"},
      {1, 3, "S = {\n}\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.columns);
    test::ScratchFolder folder;
    Workbench wb;
    set_full_network(wb.model, c.rows, c.columns);
    make_conditioned_matrix(wb);
    EXPECT_EQ(test::read_file("MathConditionedMatrix.out"), with_values(c.list));
  }
}

TEST(ConditionedMatrixTest, WithoutASolutionOnlyTheFramesAreWritten) {
  test::ScratchFolder folder;
  Workbench wb;
  set_full_network(wb.model, 2, 2);
  wb.model.flux[1] = wb.model.flux[2] = 0.0f;
  make_conditioned_matrix(wb);
  EXPECT_EQ(test::read_file("ConditionedMatrix.out"), "0 X 0\n             \n");
  EXPECT_EQ(test::read_file("MathConditionedMatrix.out"), "S = {\n}\n");
}

}  // namespace
}  // namespace vemo
