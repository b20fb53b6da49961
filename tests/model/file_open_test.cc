#include "model/file_open.h"

#include <gtest/gtest.h>

#include "lp/optimize.h"
#include "support/test_support.h"

namespace vemo {
namespace {

TEST(OpenWithRetryTest, RetryFindsTheFileOnceItExists) {
  test::ScratchFolder folder;
  Workbench wb;
  int asked = 0;
  wb.file_error_handler = [&](const std::string& name, OpenMode mode, const std::string& reason) {
    ++asked;
    EXPECT_EQ(name, "late.txt");
    EXPECT_EQ(mode, OpenMode::kRead);
    EXPECT_FALSE(reason.empty());
    test::write_file("late.txt", "x");  // the user creates the file, then presses "Re-try"
    return true;
  };
  wb.model.file_abort = 1;
  FilePtr f = open_with_retry(wb, "late.txt", OpenMode::kRead);
  EXPECT_NE(f, nullptr);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(wb.model.file_abort, 0);
}

TEST(OpenWithRetryTest, GivingUpEndsTheChain) {
  test::ScratchFolder folder;
  Workbench wb;
  test::FrontEndRecorder recorder;
  recorder.attach(wb);
  read_optimize(wb);  // no path.stm here: the reader gives up, so Optimize must not run
  EXPECT_EQ(wb.model.file_abort, 1);
  EXPECT_EQ(recorder.file_errors, std::vector<std::string>{"path.stm"});
  EXPECT_FALSE(std::filesystem::exists("info.OUT"));
}

TEST(FinishWritingTest, AWriteErrorIsNotASuccess) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  Workbench wb;
  test::FrontEndRecorder recorder;
  recorder.attach(wb);
  FilePtr f = open_with_retry(wb, "/dev/full", OpenMode::kWrite);
  ASSERT_NE(f, nullptr);
  std::fprintf(f.get(), "more than nothing\n");
  finish_writing(wb, std::move(f), "/dev/full");
  EXPECT_TRUE(wb.input_refused);
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_NE(recorder.messages[0].find("cannot write '/dev/full'"), std::string::npos);
}

}  // namespace
}  // namespace vemo
