#include "analyses/precursor_drains.h"

#include <algorithm>

#include "lp/build_lp.h"

namespace vemo {

namespace {

constexpr std::array<const char*, kAllPrecursors> kPrecursorNames = {
    "G6P",    "F6P",  "R5P",  "E4P",   "T3P1",  "3PG",     "PEP",   "PYR",    "ACCOA",    "AKG",
    "SUCCOA", "OA",   "ATP",  "NADH",  "NADPH", "ALA",     "ARG",   "ASP",    "ASN",      "CYS",
    "GLU",    "GLN",  "GLY",  "HIS",   "ILE",   "LEU",     "LYS",   "MET",    "PHE",      "PRO",
    "SER",    "THR",  "TRP",  "TYR",   "VAL",   "PEPTIDO", "LPS",   "PS",     "PE",       "CL",
    "PG",     "DATP", "DGTP", "DCTP",  "DTTP",  "GTP",     "CTP",   "UTP",    "GLYCOGEN", "MTHF",
    "NAD",    "NADH", "NADP", "NADPH", "UDPG",  "COA",     "ACCOA", "SUCCOA", "FAD",      "SPMD",
    "PTRC",   "ATP",  "ADP",  "AMP"};

// Co-products given back by the drains of precursors 9, 11, 13, 14 and 15.
std::vector<std::string> co_products(int p) {
  switch (p) {
    case 9:
    case 11:
      return {"COA"};
    case 13:
      return {"ADP", "PI"};
    case 14:
      return {"NAD"};
    case 15:
      return {"NADP"};
    default:
      return {};
  }
}

}  // namespace

bool PrecursorDrain::usable() const { return std::find(rows.begin(), rows.end(), 0) == rows.end(); }

const char* precursor_name(int p) { return kPrecursorNames[p - 1]; }

std::vector<PrecursorDrain> make_precursor_drains(const NetworkModel& model, int count) {
  std::vector<PrecursorDrain> drains(static_cast<size_t>(count) + 1);
  for (int p = 1; p <= count; ++p) {
    PrecursorDrain& d = drains[p];
    d.names = {precursor_name(p)};
    d.coefficients = {-1.0f};
    for (std::string& co_product : co_products(p)) {
      d.names.push_back(co_product);
      d.coefficients.push_back(1.0f);
    }
    std::string column = d.names[0];
    for (int q = 1; q < p; ++q) {
      if (drains[q].names[0] == d.names[0]) {
        column += "1";
        break;
      }
    }
    d.column_name = padded_column_name(column);
    for (const std::string& name : d.names) d.rows.push_back(model.find_last_row(name));
  }
  return drains;
}

}  // namespace vemo
