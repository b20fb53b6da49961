// "Make encrypted St. Mat." and "Read encrypted St. Mat.": the network saved as "Matrix.stm"
// (rows, and the non-zero matrix entries column by column, each value hidden among a random
// decoy integer, a fixed +-1 and a random fraction) and "Bounds.stm" (the flux bounds, -1000 and
// 1000 standing for no bound), and read back in place of the reactions file.
//
// The slot that holds a value depends on the parity of the column number: for an odd column the
// value group is "decoy 1 value noise" and the row group "decoy -1 row noise"; for an even one
// "decoy value -1 noise" and "decoy row 1 noise". Decoys and noise come from random_draw, two
// draws per group (the noise first), so they use up the generator that "Read P" draws from.
//
// The reader takes both files as streams of blank-separated tokens. It checks everything it
// reads (counts within the model's limits, numbers where numbers belong, row numbers within the
// rows, every bounds name a reaction of "Matrix.stm") and takes the network over only when both
// files are whole: a damaged file is refused with a message saying what was wrong, the network in
// memory is left as it was and file_abort is set to 1 so that an Optimize chained after it does
// not run.
#ifndef VEMO_ANALYSES_OBSCURED_MATRIX_H_
#define VEMO_ANALYSES_OBSCURED_MATRIX_H_

#include "model/workbench.h"

namespace vemo {

inline constexpr const char* kEncryptedMatrixFile = "Matrix.stm";
inline constexpr const char* kEncryptedBoundsFile = "Bounds.stm";

// The bound values that stand for "no bound" in "Bounds.stm".
inline constexpr float kNoLowerBound = -1000.0f;
inline constexpr float kNoUpperBound = 1000.0f;

// Reads the reactions file, then writes both files from the network. When the user gives up on
// the reactions file the network in memory is written; when the file is refused nothing is.
void make_encrypted_matrix(Workbench& wb);

// Replaces the network part of the model (counts, names, senses, right-hand sides, matrix and
// bounds) with the content of both files; the solution tables are left alone. The model no
// longer holds a comparison afterwards (second_file_read 0).
void read_encrypted_matrix(Workbench& wb);

}  // namespace vemo

#endif  // VEMO_ANALYSES_OBSCURED_MATRIX_H_
