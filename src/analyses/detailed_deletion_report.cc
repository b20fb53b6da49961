#include "analyses/detailed_deletion_report.h"

#include <cmath>
#include <cstdio>
#include <utility>

#include "model/file_open.h"

namespace vemo {

namespace {

constexpr const char* kCapacityHeader[] = {
    "Gene_Deletion Growth G6P  F6P  R5P  E4P  T3P1 ",
    "3PG  PEP  PYR  ACCOA  AKG ",
    "SUCCOA  OA  ATP  NADH  NADPH ",
    "ALA  ARG  ASP  ASN  CYS  GLU  GLN ",
    "GLY  HIS  ILE  LEU  LYS  MET ",
    "PHE  PRO  SER  THR  TRP  TYR ",
    "VAL  PEPTIDO  LPS  PS  PE  CL ",
    "PG  DATP  DGTP  DCTP  DTTP  GTP ",
    "CTP  UTP  GLYCOGEN  MTHF  NAD  NADH ",
    "NADP  NADPH  UDPG  COA  ACCOA ",
    "SUCCOA  FAD  SPMD  PTRC ",
    "ATP  ADP  AMP \n",
};

constexpr const char* kPriceHeader[] = {
    "Gene_Deletion Growth G6P sp F6P sp R5P sp E4P sp T3P1 sp ",
    "3PG sp PEP sp PYR sp ACCOA sp AKG sp ",
    "SUCCOA sp OA sp ATP sp NADH sp NADPH sp ",
    "ALA sp ARG sp ASP sp ASN sp CYS sp GLU sp GLN sp ",
    "GLY sp HIS sp ILE sp LEU sp LYS sp MET sp ",
    "PHE sp PRO sp SER sp THR sp TRP sp TYR sp ",
    "VAL sp PEPTIDO sp LPS sp PS sp PE sp CL sp ",
    "PG sp DATP sp DGTP sp DCTP sp DTTP sp GTP sp ",
    "CTP sp UTP sp GLYCOGEN sp MTHF sp NAD sp NADH sp ",
    "NADP sp NADPH sp UDPG sp COA sp ACCOA sp ",
    "SUCCOA sp FAD sp SPMD sp PTRC sp ",
    "ATP sp ADP sp AMP sp \n",
};

constexpr const char* kScaledHeader[] = {
    "Gene_Deletion G6P_sp Scaled_sp F6P_sp Scaled_sp R5P_sp Scaled_sp E4P_sp Scaled_sp T3P1_sp "
    "Scaled_sp ",
    "3PG_sp Scaled_sp PEP_sp Scaled_sp PYR_sp Scaled_sp ACCOA_sp Scaled_sp AKG_sp Scaled_sp ",
    "SUCCOA_sp Scaled_sp OA_sp Scaled_sp ATP_sp Scaled_sp NADH_sp Scaled_sp NADPH_sp Scaled_sp ",
    "ALA_sp Scaled_sp ARG_sp Scaled_sp ASP_sp Scaled_sp ASN_sp Scaled_sp CYS_sp Scaled_sp GLU_sp "
    "Scaled_sp GLN_sp Scaled_sp ",
    "GLY_sp Scaled_sp HIS_sp Scaled_sp ILE_sp Scaled_sp LEU_sp Scaled_sp LYS_sp Scaled_sp MET_sp "
    "Scaled_sp ",
    "PHE_sp Scaled_sp PRO_sp Scaled_sp SER_sp Scaled_sp THR_sp Scaled_sp TRP_sp Scaled_sp TYR_sp "
    "Scaled_sp ",
    "VAL_sp Scaled_sp PEPTIDO_sp Scaled_sp LPS_sp Scaled_sp PS_sp Scaled_sp PE_sp Scaled_sp CL_sp "
    "Scaled_sp ",
    "PG_sp Scaled_sp DATP_sp Scaled_sp DGTP_sp Scaled_sp DCTP_sp Scaled_sp DTTP_sp Scaled_sp "
    "GTP_sp Scaled_sp ",
    "CTP_sp Scaled_sp UTP_sp Scaled_sp GLYCOGEN_sp Scaled_sp MTHF_sp Scaled_sp NAD_sp Scaled_sp "
    "NADH_sp Scaled_sp ",
    "NADP_sp Scaled_sp NADPH_sp Scaled_sp UDPG_sp Scaled_sp COA_sp Scaled_sp ACCOA_sp Scaled_sp ",
    "SUCCOA_sp Scaled_sp FAD_sp Scaled_sp SPMD_sp Scaled_sp PTRC_sp Scaled_sp ",
    "ATP_sp Scaled_sp ADP_sp Scaled_sp AMP_sp Scaled_sp \n",
};

// Growth below this makes a deletion's line appear among the blocked syntheses.
constexpr double kBlockedGrowth = 0.001;
// A capacity below this share of the wild type's counts as blocked.
constexpr double kBlockedShare = 0.001;
// A wild-type shadow price this close to 0 is not divided by: the price itself is written.
constexpr double kNegligiblePrice = 1e-05;
// Growth above this gives a scaled shadow price; at or below it, "Infinity".
constexpr double kScalableGrowth = 0.0001;

class ReportWriter {
 public:
  ReportWriter(std::FILE* out, const DetailedDeletionResult& result)
      : out_(out), result_(result), n_(result.num_of_precursors) {}

  void write() {
    capacities_section();
    prices_section();
    scaled_prices_section();
    blocked_section();
  }

 private:
  // " %f " of a value, "Infinity" in the place of a number that is not finite.
  void value(float v) {
    if (std::isfinite(v)) {
      std::fprintf(out_, " %f ", static_cast<double>(v));
    } else {
      std::fprintf(out_, " Infinity ");
    }
  }
  void names(const DetailedDeletionRecord& r) {
    for (const std::string& name : r.names) std::fprintf(out_, "%s,", name.c_str());
  }
  template <size_t N>
  void header(const char* const (&texts)[N]) {
    for (const char* text : texts) std::fputs(text, out_);
  }
  const DetailedDeletionRecord& wild() const { return result_.records[0]; }

  void capacities_section() {
    std::fprintf(out_, "Max_Growth= %f\n", static_cast<double>(result_.max_growth));
    header(kCapacityHeader);
    names(wild());
    value(wild().growth);
    for (int p = 1; p <= n_; ++p) value(wild().capacity[p]);
    std::fprintf(out_, "\n");
    for (size_t k = 1; k < result_.records.size(); ++k) {
      const DetailedDeletionRecord& r = result_.records[k];
      names(r);
      value(r.growth / wild().growth);
      for (int p = 1; p <= n_; ++p) value(r.capacity[p] / wild().capacity[p]);
      std::fprintf(out_, "\n");
    }
    std::fprintf(out_, "\n");
  }

  void prices_section() {
    std::fprintf(out_, "Max_Growth= %f\n", static_cast<double>(result_.max_growth));
    header(kPriceHeader);
    names(wild());
    value(wild().growth);
    for (int p = 1; p <= n_; ++p) {
      value(wild().capacity[p]);
      value(wild().sp[p]);
    }
    std::fprintf(out_, "\n");
    for (size_t k = 1; k < result_.records.size(); ++k) {
      const DetailedDeletionRecord& r = result_.records[k];
      names(r);
      value(r.growth / wild().growth);
      for (int p = 1; p <= n_; ++p) {
        value(r.capacity[p] / wild().capacity[p]);
        const double wild_price = wild().sp[p];
        const bool negligible = -kNegligiblePrice < wild_price && wild_price < kNegligiblePrice;
        value(negligible ? r.sp[p] : r.sp[p] / wild().sp[p]);
      }
      std::fprintf(out_, "\n");
    }
    std::fprintf(out_, "\n");
  }

  void scaled_prices_section() {
    std::fprintf(out_, "The shadow prices and the scaled shadow prices are:\n");
    header(kScaledHeader);
    for (const DetailedDeletionRecord& r : result_.records) {
      names(r);
      for (int p = 1; p <= n_; ++p) {
        if (static_cast<double>(r.growth) > kScalableGrowth) {
          value(r.sp[p]);
          std::fprintf(out_, "%f ", static_cast<double>(r.sp[p] * r.capacity[p] / r.growth));
        } else {
          std::fprintf(out_, " %f Infinity ", static_cast<double>(r.sp[p]));
        }
      }
      std::fprintf(out_, "\n");
    }
    std::fprintf(out_, "\n\n");
  }

  bool blocked(const DetailedDeletionRecord& r, int p) const {
    return static_cast<double>(r.capacity[p]) <
           kBlockedShare * static_cast<double>(wild().capacity[p]);
  }

  void blocked_section() {
    std::fprintf(out_, "Blocks in the synthesis\n");
    for (const DetailedDeletionRecord& r : result_.records) {
      if (!(static_cast<double>(r.growth) < kBlockedGrowth)) continue;
      names(r);
      std::fprintf(out_, " ");
      for (int p = 1; p <= std::min(n_, kCentralPrecursors); ++p) {
        if (blocked(r, p)) std::fprintf(out_, "%s,", precursor_name(p));
      }
      std::fprintf(out_, " ");
      for (int p = kCentralPrecursors + 1; p <= n_; ++p) {
        if (blocked(r, p)) std::fprintf(out_, "%s,", precursor_name(p));
      }
      std::fprintf(out_, "\n");
    }
  }

  std::FILE* out_;
  const DetailedDeletionResult& result_;
  int n_;
};

}  // namespace

void write_detailed_deletion_report(Workbench& wb, const DetailedDeletionResult& result) {
  const std::string& name = wb.settings.detailed_deletion_file;
  FilePtr out = open_with_retry(wb, name, OpenMode::kWrite);
  if (!out) return;
  ReportWriter(out.get(), result).write();
  finish_writing(wb, std::move(out), name);
}

}  // namespace vemo
