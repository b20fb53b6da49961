// Damaged copies of the default network must never crash or hang the reader or the solver: every
// run ends either with a network read or with a clear refusal.
#include <gtest/gtest.h>

#include <random>

#include "lp/optimize.h"
#include "lp/solution_reports.h"
#include "support/test_support.h"

namespace vemo {
namespace {

class ReaderRobustnessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::copy_data_file("path.stm");
    original = test::read_file("path.stm");
    ASSERT_GT(original.size(), 1000u);
  }

  // Reads, solves and reports the damaged text; checks that a refusal comes with a message.
  void run_on(const std::string& text) {
    test::write_file("path.stm", text);
    Workbench wb;
    test::FrontEndRecorder recorder;
    recorder.attach(wb);
    read_optimize(wb);
    print_primal(wb);
    print_dual(wb);
    EXPECT_EQ(wb.input_refused, !recorder.messages.empty());
    EXPECT_LE(wb.model.num_of_reactions, static_cast<int>(text.size()));
  }

  test::ScratchFolder folder;
  std::string original;
};

TEST_F(ReaderRobustnessTest, TruncatedFilesEndCleanly) {
  const size_t step = original.size() / 150 + 1;
  for (size_t length = 0; length < original.size(); length += step) {
    SCOPED_TRACE(length);
    run_on(original.substr(0, length));
  }
}

TEST_F(ReaderRobustnessTest, MutatedFilesEndCleanly) {
  std::mt19937 random(20261211);
  const std::string alphabet = " \n/0123456789.-+eE//endLGmaxR\x01\xff";
  for (int trial = 0; trial < 300; ++trial) {
    std::string text = original;
    const int edits = 1 + trial % 8;
    for (int e = 0; e < edits; ++e) {
      const size_t at = random() % text.size();
      switch (random() % 3) {
        case 0:
          text[at] = alphabet[random() % alphabet.size()];
          break;
        case 1:
          text.erase(at, 1 + random() % 20);
          break;
        default:
          text.insert(at, 1, alphabet[random() % alphabet.size()]);
          break;
      }
    }
    SCOPED_TRACE(trial);
    run_on(text);
  }
}

}  // namespace
}  // namespace vemo
