// The one way every file of the program is opened.
#ifndef VEMO_MODEL_FILE_OPEN_H_
#define VEMO_MODEL_FILE_OPEN_H_

#include <cstdio>
#include <memory>
#include <string>

#include "model/workbench.h"

namespace vemo {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Opens name for reading or writing (text, from scratch). On failure asks the workbench's file
// error handler, again and again while it answers "try again". Returns the open file with
// file_abort set to 0, or nullptr with file_abort set to 1 when the user gave up.
FilePtr open_with_retry(Workbench& wb, const std::string& name, OpenMode mode);

// Largest input file the readers accept.
inline constexpr long kMaxInputFileBytes = 256L * 1024 * 1024;

// Reads an open input file whole. False, with the reason in why, for a read error, a file larger
// than kMaxInputFileBytes or binary content (a NUL byte).
bool read_text_file(std::FILE* file, std::string& text, std::string& why);

// Closes a file written by a command and checks that everything reached it; a write error (a
// full disk, say) is refused with a message naming the file instead of passing for success.
void finish_writing(Workbench& wb, FilePtr file, const std::string& name);

}  // namespace vemo

#endif  // VEMO_MODEL_FILE_OPEN_H_
