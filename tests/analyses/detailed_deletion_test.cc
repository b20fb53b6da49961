#include "analyses/detailed_deletion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "analyses/precursor_drains.h"
#include "lp/build_lp.h"
#include "lp/lp_solver.h"
#include "lp/optimize.h"
#include "model/reactions_reader.h"
#include "support/test_support.h"

namespace vemo {
namespace {

// The header lines of the report, as documented (the eleventh text of the third one with its
// SPMD columns written out).
const std::string kCapacityHeader =
    "Gene_Deletion Growth G6P  F6P  R5P  E4P  T3P1 3PG  PEP  PYR  ACCOA  AKG SUCCOA  OA  ATP "
    " NADH  NADPH ALA  ARG  ASP  ASN  CYS  GLU  GLN GLY  HIS  ILE  LEU  LYS  MET PHE  PRO  SE"
    "R  THR  TRP  TYR VAL  PEPTIDO  LPS  PS  PE  CL PG  DATP  DGTP  DCTP  DTTP  GTP CTP  UTP "
    " GLYCOGEN  MTHF  NAD  NADH NADP  NADPH  UDPG  COA  ACCOA SUCCOA  FAD  SPMD  PTRC ATP  AD"
    "P  AMP "
    "\n";
const std::string kPriceHeader =
    "Gene_Deletion Growth G6P sp F6P sp R5P sp E4P sp T3P1 sp 3PG sp PEP sp PYR sp ACCOA sp A"
    "KG sp SUCCOA sp OA sp ATP sp NADH sp NADPH sp ALA sp ARG sp ASP sp ASN sp CYS sp GLU sp "
    "GLN sp GLY sp HIS sp ILE sp LEU sp LYS sp MET sp PHE sp PRO sp SER sp THR sp TRP sp TYR "
    "sp VAL sp PEPTIDO sp LPS sp PS sp PE sp CL sp PG sp DATP sp DGTP sp DCTP sp DTTP sp GTP "
    "sp CTP sp UTP sp GLYCOGEN sp MTHF sp NAD sp NADH sp NADP sp NADPH sp UDPG sp COA sp ACCO"
    "A sp SUCCOA sp FAD sp SPMD sp PTRC sp ATP sp ADP sp AMP sp "
    "\n";
const std::string kScaledHeader =
    "Gene_Deletion G6P_sp Scaled_sp F6P_sp Scaled_sp R5P_sp Scaled_sp E4P_sp Scaled_sp T3P1_s"
    "p Scaled_sp 3PG_sp Scaled_sp PEP_sp Scaled_sp PYR_sp Scaled_sp ACCOA_sp Scaled_sp AKG_sp"
    " Scaled_sp SUCCOA_sp Scaled_sp OA_sp Scaled_sp ATP_sp Scaled_sp NADH_sp Scaled_sp NADPH_"
    "sp Scaled_sp ALA_sp Scaled_sp ARG_sp Scaled_sp ASP_sp Scaled_sp ASN_sp Scaled_sp CYS_sp "
    "Scaled_sp GLU_sp Scaled_sp GLN_sp Scaled_sp GLY_sp Scaled_sp HIS_sp Scaled_sp ILE_sp Sca"
    "led_sp LEU_sp Scaled_sp LYS_sp Scaled_sp MET_sp Scaled_sp PHE_sp Scaled_sp PRO_sp Scaled"
    "_sp SER_sp Scaled_sp THR_sp Scaled_sp TRP_sp Scaled_sp TYR_sp Scaled_sp VAL_sp Scaled_sp"
    " PEPTIDO_sp Scaled_sp LPS_sp Scaled_sp PS_sp Scaled_sp PE_sp Scaled_sp CL_sp Scaled_sp P"
    "G_sp Scaled_sp DATP_sp Scaled_sp DGTP_sp Scaled_sp DCTP_sp Scaled_sp DTTP_sp Scaled_sp G"
    "TP_sp Scaled_sp CTP_sp Scaled_sp UTP_sp Scaled_sp GLYCOGEN_sp Scaled_sp MTHF_sp Scaled_s"
    "p NAD_sp Scaled_sp NADH_sp Scaled_sp NADP_sp Scaled_sp NADPH_sp Scaled_sp UDPG_sp Scaled"
    "_sp COA_sp Scaled_sp ACCOA_sp Scaled_sp SUCCOA_sp Scaled_sp FAD_sp Scaled_sp SPMD_sp Sca"
    "led_sp PTRC_sp Scaled_sp ATP_sp Scaled_sp ADP_sp Scaled_sp AMP_sp Scaled_sp "
    "\n";

// Glucose (at most 10) becomes G6P, then F6P through PGI (1:1) or ALT (2:1), then PYR and NADH
// through PFK, then ACCOA, which growth needs. NOX gives NAD back; OA is used but never made.
// Capacities of the wild type: G6P, F6P, PYR and NADH 10; OA 0; ACCOA 0 too, since its drain
// gives back COA, which this network has no row for.
const char* const kPrecursorNetwork =
    "1 G6P 0 GLCxtI  -1 G6P 1 F6P 0 PGIR  -2 G6P 1 F6P 0 ALT "
    "-1 F6P -1 NAD 1 NADH 1 PYR 0 PFK  -1 NADH 1 NAD 0 NOX  -1 PYR 1 ACCOA 0 PDH "
    "-1 OA 0 OAUSE  -1 ACCOA 0 Growth  0 end  end E 0  max 1 Growth 0 end  0 GLCxtI 10  0 end 0";

class DetailedDeletionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::write_file("path.stm", kPrecursorNetwork);
    test::write_file("deletion.txt", "1 PFK 1 PGIR 1 NONE 999");
    recorder.attach(wb);
  }
  // The report cut into its four sections.
  std::vector<std::string> sections() {
    const std::string report = test::read_file("DetailedDeletion.out");
    const size_t second = report.find("Max_Growth=", 1);
    const size_t third = report.find("The shadow prices");
    const size_t fourth = report.find("Blocks in the synthesis");
    return {report.substr(0, second), report.substr(second, third - second),
            report.substr(third, fourth - third), report.substr(fourth)};
  }
  test::ScratchFolder folder;
  Workbench wb;
  test::FrontEndRecorder recorder;
};

TEST_F(DetailedDeletionTest, CapacitiesAndBlockedSynthesesOfTheCentralPrecursors) {
  detailed_deletions(wb);
  const auto s = sections();
  EXPECT_EQ(s[0],
            "Max_Growth= 10.000000\n" + kCapacityHeader +
                "WT, 10.000000  10.000000  10.000000  0.000000  0.000000  0.000000  0.000000 "
                " 0.000000  10.000000  0.000000  0.000000  0.000000  0.000000  0.000000  "
                "10.000000  0.000000 \n"
                "PFK, 0.000000  1.000000  1.000000  Infinity  Infinity  Infinity  Infinity  "
                "Infinity  0.000000  Infinity  Infinity  Infinity  Infinity  Infinity  0.000000  "
                "Infinity \n"
                "PGI, 0.500000  1.000000  0.500000  Infinity  Infinity  Infinity  Infinity  "
                "Infinity  0.500000  Infinity  Infinity  Infinity  Infinity  Infinity  0.500000  "
                "Infinity \n"
                "NONE, 1.000000  1.000000  1.000000  Infinity  Infinity  Infinity  Infinity  "
                "Infinity  1.000000  Infinity  Infinity  Infinity  Infinity  Infinity  1.000000  "
                "Infinity \n\n");
  EXPECT_EQ(s[3], "Blocks in the synthesis\nPFK, PYR,NADH, \n");
  // The drains stay in the model, closed and without names.
  EXPECT_EQ(wb.model.num_of_reactions, 8 + 15);
  EXPECT_EQ(wb.model.reaction_names[9], "");
  EXPECT_EQ(wb.model.has_upper_bound[23], 1);
  EXPECT_EQ(wb.model.upper_bound[23], 0.0f);
  EXPECT_EQ(wb.last_deletion.solves, 1 + 4 * (1 + 5));  // unusable drains are not solved
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_EQ(recorder.messages[0],
            "The network has no row for some names of the precursor drains of R5P, E4P, T3P1, "
            "3PG, PEP, ACCOA, AKG, SUCCOA, ATP, NADPH: their capacities are reported as 0.");
  EXPECT_FALSE(wb.input_refused);
}

// Reads the numbers of one line of a section (after the names).
std::vector<double> numbers_of(const std::string& section, const std::string& line_start) {
  const size_t at = section.find("\n" + line_start);
  std::istringstream line(section.substr(at + 1 + line_start.size(),
                                         section.find('\n', at + 1) - at - 1 - line_start.size()));
  std::vector<double> values;
  std::string word;
  while (line >> word) values.push_back(word == "Infinity" ? INFINITY : std::stod(word));
  return values;
}

TEST_F(DetailedDeletionTest, ShadowPricesAreNetOfCoProductsAndScaledByCapacity) {
  read_optimize(wb);
  const NetworkModel& m = wb.model;
  const double g6p = m.shadow_price[m.find_row("G6P")];
  const double nadh_net = m.shadow_price[m.find_row("NADH")] - m.shadow_price[m.find_row("NAD")];
  detailed_deletions(wb);
  const auto s = sections();
  EXPECT_EQ(s[1].substr(0, 22 + kPriceHeader.size()), "Max_Growth= 10.000000\n" + kPriceHeader);
  // Section 2, wild type: growth, then (capacity, price) per precursor.
  const auto wild = numbers_of(s[1], "WT,");
  ASSERT_EQ(wild.size(), 1u + 2 * 15);
  EXPECT_NEAR(wild[2], g6p, 1e-6);
  EXPECT_NEAR(wild[2 + 2 * 13], nadh_net, 1e-6);  // NADH, precursor 14
  // Section 3, wild type: (price, price * capacity / growth) per precursor.
  const std::string scaled_title =
      "The shadow prices and the scaled shadow prices are:\n" + kScaledHeader;
  EXPECT_EQ(s[2].substr(0, scaled_title.size()), scaled_title);
  const auto scaled = numbers_of(s[2], "WT,");
  ASSERT_EQ(scaled.size(), 2u * 15);
  EXPECT_NEAR(scaled[0], g6p, 1e-6);
  EXPECT_NEAR(scaled[1], g6p * 10 / 10, 1e-6);
  // A deletion without growth has no scaled prices.
  const size_t pfk = s[2].find("\nPFK,");
  const std::string pfk_line = s[2].substr(pfk + 1, s[2].find('\n', pfk + 1) - pfk - 1);
  EXPECT_EQ(pfk_line.rfind("PFK, ", 0), 0u);
  int infinities = 0;
  for (size_t at = pfk_line.find(" Infinity "); at != std::string::npos;
       at = pfk_line.find(" Infinity ", at + 1)) {
    ++infinities;
  }
  EXPECT_EQ(infinities, 15);
  EXPECT_EQ(s[2].substr(s[2].size() - 2), "\n\n");
}

TEST_F(DetailedDeletionTest, AllSixtyFourPrecursorsWhenAsked) {
  wb.precursors_only = 0;
  detailed_deletions(wb);
  EXPECT_EQ(wb.model.num_of_reactions, 8 + 64);
  const auto wild = numbers_of(sections()[0], "WT,");
  EXPECT_EQ(wild.size(), 1u + 64);
  EXPECT_EQ(wild[52], 0.0);   // NADH drained alone: the NAD pool is conserved, nothing leaves
  EXPECT_EQ(wild[57], 10.0);  // ACCOA drained alone needs no COA row
  EXPECT_EQ(sections()[3], "Blocks in the synthesis\nPFK, PYR,NADH, ACCOA,\n");
}

TEST_F(DetailedDeletionTest, NoEntriesGiveTheWildTypeOnly) {
  test::write_file("deletion.txt", "999");
  detailed_deletions(wb);
  const auto s = sections();
  EXPECT_EQ(std::count(s[0].begin(), s[0].end(), '\n'), 4);
  EXPECT_EQ(s[3], "Blocks in the synthesis\n");
}

TEST_F(DetailedDeletionTest, AnObjectiveWithOtherWeightsIsRestoredAsWritten) {
  // Growth has the weight 2 in the file: every deletion is measured against that objective.
  test::write_file("path.stm",
                   "1 G6P 0 GLCxtI  -1 G6P 0 Growth  0 end  end E 0  max 2 Growth 0 end "
                   "0 GLCxtI 10  0 end 0");
  test::write_file("deletion.txt", "1 NONE 999");
  detailed_deletions(wb);
  const auto s = sections();
  EXPECT_EQ(numbers_of(s[0], "WT,")[0], 20.0);
  EXPECT_EQ(numbers_of(s[0], "NONE,")[0], 1.0);  // 20 again, not 10 with the weight 1
}

TEST(PrecursorDrainTest, RepeatedPrecursorsGetAOneAppended) {
  NetworkModel m;
  const auto drains = make_precursor_drains(m, kAllPrecursors);
  EXPECT_EQ(drains[1].column_name, "G6P     ");
  EXPECT_EQ(drains[14].column_name, "NADH    ");
  const std::pair<int, const char*> repeated[] = {
      {52, "NADH1   "}, {54, "NADPH1  "}, {57, "ACCOA1  "}, {58, "SUCCOA1 "}, {62, "ATP1    "}};
  for (const auto& [p, column] : repeated) EXPECT_EQ(drains[p].column_name, column);
  EXPECT_EQ(drains[56].column_name, "COA     ");
  EXPECT_EQ(drains[13].names, (std::vector<std::string>{"ATP", "ADP", "PI"}));
  EXPECT_EQ(drains[62].names, std::vector<std::string>{"ATP"});
  EXPECT_FALSE(drains[1].usable());  // an empty network has no rows
}

}  // namespace
}  // namespace vemo

namespace vemo {
namespace {

// The wild-type capacities on the default network must be the true maxima of each drain alone.
TEST(DefaultNetworkCapacityTest, CentralPrecursorCapacitiesAreTrueMaxima) {
  test::ScratchFolder folder;
  test::copy_data_file("path.stm");
  test::write_file("deletion.txt", "999");
  Workbench wb;
  detailed_deletions(wb);
  const std::string report = test::read_file("DetailedDeletion.out");
  const auto wild = numbers_of(report.substr(0, report.find("\n\n")), "WT,");
  ASSERT_EQ(wild.size(), 16u);

  Workbench fresh;
  test::FrontEndRecorder quiet;
  quiet.attach(fresh);
  read_data(fresh);
  const NetworkModel& m = fresh.model;
  const std::pair<const char*, std::vector<std::pair<const char*, float>>> drains[] = {
      {"G6P", {}},
      {"F6P", {}},
      {"R5P", {}},
      {"E4P", {}},
      {"T3P1", {}},
      {"3PG", {}},
      {"PEP", {}},
      {"PYR", {}},
      {"ACCOA", {{"COA", 1.0f}}},
      {"AKG", {}},
      {"SUCCOA", {{"COA", 1.0f}}},
      {"OA", {}},
      {"ATP", {{"ADP", 1.0f}, {"PI", 1.0f}}},
      {"NADH", {{"NAD", 1.0f}}},
      {"NADPH", {{"NADP", 1.0f}}}};
  for (size_t p = 0; p < std::size(drains); ++p) {
    LpSolver lp;
    build_lp(m, lp, -1);
    std::vector<float> values{-1.0f};
    std::vector<int> rows{m.find_row(drains[p].first)};
    for (const auto& [name, value] : drains[p].second) {
      values.push_back(value);
      rows.push_back(m.find_row(name));
    }
    lp.lp_add_column("DRAIN   ", values, rows);
    const int drain = m.num_of_reactions + 1;
    for (int j = 1; j <= m.num_of_reactions; ++j) lp.lp_set_coefficient(1, j, 0.0f);
    lp.lp_set_coefficient(1, drain, 1.0f);
    lp.lp_set_upper(drain, 1000.0f);
    ASSERT_EQ(lp.lp_solve(), kIstatOptimal);
    float capacity, dual;
    lp.lp_get_row(1, capacity, dual);
    EXPECT_GT(capacity, 0.0f) << drains[p].first;
    EXPECT_NEAR(wild[p + 1], capacity, 1e-5 * std::max(1.0f, capacity)) << drains[p].first;
  }
}

}  // namespace
}  // namespace vemo
