#include "analyses/network_comparison.h"

#include <gtest/gtest.h>

namespace vemo {
namespace {

TEST(Placeholder, Builds) { SUCCEED(); }

}  // namespace
}  // namespace vemo
