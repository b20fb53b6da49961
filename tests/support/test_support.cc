#include "support/test_support.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

namespace vemo::test {

const char* const kToyNetwork =
    "// toy network //\n"
    "1 GLC 0 GLCxtI\n"
    "-1 GLC 1 G6P 0 HEX1\n"
    "-1 G6P 1 F6P 0 PGIR\n"
    "-1 F6P 0 Growth\n"
    "0 end\n"
    "GLC E 0\n"
    "end E 0\n"
    "max\n"
    "1 Growth\n"
    "0 end\n"
    "0 GLCxtI 10\n"
    "0 end 0\n";

ScratchFolder::ScratchFolder() : previous_(std::filesystem::current_path()) {
  std::string pattern = (std::filesystem::temp_directory_path() / "vemo-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a scratch folder");
  path_ = pattern;
  std::filesystem::current_path(path_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ec;
  std::filesystem::current_path(previous_, ec);
  std::filesystem::remove_all(path_, ec);
}

void write_file(const std::filesystem::path& name, const std::string& text) {
  std::ofstream out(name, std::ios::binary);
  out << text;
}

std::string read_file(const std::filesystem::path& name) {
  std::ifstream in(name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void copy_data_file(const std::string& name) {
  std::filesystem::copy_file(std::filesystem::path(VEMO_DATA_DIR) / name, name,
                             std::filesystem::copy_options::overwrite_existing);
}

void FrontEndRecorder::attach(Workbench& wb) {
  wb.message_handler = [this](const std::string& text) { messages.push_back(text); };
  wb.file_error_handler = [this](const std::string& name, OpenMode, const std::string&) {
    file_errors.push_back(name);
    if (retry_answers.empty()) return false;
    const bool retry = retry_answers.front();
    retry_answers.erase(retry_answers.begin());
    return retry;
  };
}

}  // namespace vemo::test
