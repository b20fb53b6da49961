// The deletion input: which genes the deletion studies switch off, and the gene keys by which
// entry names are matched against reaction names.
//
// The file is a free-format sequence of groups, a count followed by that many names, ended by
// the number 999. Counts are read like the "%i" conversion (sign, decimal, 0x hexadecimal, leading
// 0 octal). The tables grow as needed: any number of entries and of names per entry fit.
#ifndef VEMO_ANALYSES_DELETION_LIST_H_
#define VEMO_ANALYSES_DELETION_LIST_H_

#include <string>
#include <vector>

#include "model/workbench.h"

namespace vemo {

// One gene to delete as read from the deletion input, with the result of its own solve.
struct DeletionEntry {
  std::vector<std::string> names;  // gene keys
  int status = 0;
  float growth = 0.0f;
};

// The longest name a deletion input may hold; a longer one is refused.
inline constexpr size_t kMaxDeletionNameLength = 9;

// The gene key of a name: a trailing capital R removed, then up to two trailing digits.
std::string make_gene_key(const std::string& name);

// Fills wb.reaction_gene_keys for reactions 1..num_of_reactions.
void derive_reaction_gene_keys(Workbench& wb);

// Reads settings.deletion_input_file into entries 1..n (entry 0 unused) and sets num_of_genes.
// False, with nothing read, when the user gave up opening the file (file_abort 1) or the file was
// refused (a count that is not an integer, a name over 9 characters, no closing 999), the user
// being told why.
bool read_deletion_list(Workbench& wb, std::vector<DeletionEntry>& entries);

}  // namespace vemo

#endif  // VEMO_ANALYSES_DELETION_LIST_H_
