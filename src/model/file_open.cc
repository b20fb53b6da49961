#include "model/file_open.h"

#include <cerrno>
#include <cstring>

namespace vemo {

FilePtr open_with_retry(Workbench& wb, const std::string& name, OpenMode mode) {
  for (;;) {
    errno = 0;
    FilePtr file(std::fopen(name.c_str(), mode == OpenMode::kRead ? "r" : "w"));
    if (file) {
      wb.model.file_abort = 0;
      return file;
    }
    const std::string reason = errno != 0 ? std::strerror(errno) : "unknown error";
    if (!wb.file_error_handler || !wb.file_error_handler(name, mode, reason)) {
      wb.model.file_abort = 1;
      return nullptr;
    }
  }
}

bool read_text_file(std::FILE* file, std::string& text, std::string& why) {
  char buffer[65536];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
    text.append(buffer, got);
    if (static_cast<long>(text.size()) > kMaxInputFileBytes) {
      why = "the file is larger than 256 MiB";
      return false;
    }
  }
  if (std::ferror(file)) {
    why = std::string("the file cannot be read (") + std::strerror(errno) + ")";
    return false;
  }
  if (text.find('\0') != std::string::npos) {
    why = "this is not a text file (it holds a NUL byte)";
    return false;
  }
  return true;
}

void finish_writing(Workbench& wb, FilePtr file, const std::string& name) {
  if (!file) return;
  const bool failed = std::ferror(file.get()) != 0;
  errno = 0;
  const bool close_failed = std::fclose(file.release()) != 0;
  if (failed || close_failed) {
    const std::string reason = errno != 0 ? std::strerror(errno) : "write error";
    refuse_input(wb, "cannot write '" + name + "': " + reason);
  }
}

}  // namespace vemo
