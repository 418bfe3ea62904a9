// The file layer on 64-bit offsets: a sparse file of 2.5 GB written and read
// past 2 GiB, where 32-bit offsets would fail or wrap.
#include <gtest/gtest.h>

#include <string>

#include "tools/large_file/large_file_check.h"
#include "support/scripted_platform.h"

namespace kalvor {
namespace {

TEST(File, WritesAndReadsASparseFilePast2GiB) {
  testing::TestApp t;
  EXPECT_EQ(CheckLargeFile(t.dir / "large.bin"), "");
}

}  // namespace
}  // namespace kalvor
