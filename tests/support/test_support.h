// Helpers shared by the tests: a scratch folder to run commands in, file helpers and a file
// error handler that follows a script.
#ifndef VEMO_TESTS_TEST_SUPPORT_H_
#define VEMO_TESTS_TEST_SUPPORT_H_

#include <filesystem>
#include <string>
#include <vector>

#include "model/workbench.h"

namespace vemo::test {

// Creates a fresh folder under the system's temporary folder and makes it the current folder for
// the lifetime of the object; both are undone on destruction.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

void write_file(const std::filesystem::path& name, const std::string& text);
std::string read_file(const std::filesystem::path& name);
// Copies a bundled data file (data/NAME) into the current folder.
void copy_data_file(const std::string& name);

// The toy network that the reader documentation uses as its example.
extern const char* const kToyNetwork;

// Collects the messages shown to the user and answers file errors from a script of answers
// (true = "Re-try"); an exhausted script gives up.
struct FrontEndRecorder {
  std::vector<std::string> messages;
  std::vector<std::string> file_errors;
  std::vector<bool> retry_answers;

  void attach(Workbench& wb);
};

}  // namespace vemo::test

#endif  // VEMO_TESTS_TEST_SUPPORT_H_
