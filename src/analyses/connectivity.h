// "Do Connectiity": for every row of the network, the objective row first, the number of
// reactions it takes part in (a non-zero matrix entry), leaving out the exchange reactions (names
// ending in "xtI" or "xtO") and "VGRO", "FATP", "FNADH", "FNADPH", "ATPM" and "Growth". Written
// to settings.connectivity_file as "%s %i\n" per row.
//
// The network is read first. When the user gives up on the reactions file the counts are those
// of the network in memory; when the file is refused nothing is written.
#ifndef VEMO_ANALYSES_CONNECTIVITY_H_
#define VEMO_ANALYSES_CONNECTIVITY_H_

#include <string>
#include <vector>

#include "model/workbench.h"

namespace vemo {

// Whether the connectivity count leaves reaction name out. A name shorter than an ending does
// not end in it.
bool is_excluded_from_connectivity(const std::string& name);

// The counts of rows 1..num_of_rows (entry 0 unused).
std::vector<int> connectivity_counts(const NetworkModel& model);

void connectivity(Workbench& wb);

}  // namespace vemo

#endif  // VEMO_ANALYSES_CONNECTIVITY_H_
