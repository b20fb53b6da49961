// "Read Data": reads the reactions file into the network model, writes the echo file "notes.out"
// and installs the chosen objective.
//
// The file is opened before anything is reset: when the user gives up opening it (or the echo
// file), the network is untouched and file_abort is 1. A file the reader cannot take (cut short
// inside a section or a comment, a number position holding no number, a table limit exceeded,
// binary content) is refused: reading stops, the echo file says why and ends with the counts of
// what was read, the user is told through refuse_input, and file_abort is set to 1 so that an
// Optimize chained after it does not run on a half-read network.
#ifndef VEMO_MODEL_REACTIONS_READER_H_
#define VEMO_MODEL_REACTIONS_READER_H_

#include "model/workbench.h"

namespace vemo {

// Reads the file named by settings.reactions_file, or settings.second_reactions_file when
// use_second_file is 1.
void read_data(Workbench& wb);

}  // namespace vemo

#endif  // VEMO_MODEL_REACTIONS_READER_H_
