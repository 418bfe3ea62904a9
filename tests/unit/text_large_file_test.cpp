// The file layer on 64-bit offsets: a sparse file of 2.5 GB (one written
// block, no disk cost) written and read past 2 GiB, where 32-bit offsets
// would fail or wrap.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "support/scripted_platform.h"
#include "text/file.h"

namespace kalvor {
namespace {

TEST(File, WritesAndReadsASparseFilePast2GiB) {
  testing::TestApp t;
  const std::string path = t.dir / "large.bin";
  constexpr std::int64_t kSize = 2'500'000'000;
  constexpr std::int64_t kMark = 2'400'000'000;  // past 2 GiB (2'147'483'648)
  const std::string text = "past two GiB";
  {
    File out;
    ASSERT_TRUE(out.Open(path, File::Mode::kCreate));
    ASSERT_TRUE(out.Seek(kMark));
    ASSERT_TRUE(out.Write(text));
    ASSERT_TRUE(out.Seek(kSize - 1));
    ASSERT_TRUE(out.Write("\n"));
    out.Close();
    ASSERT_FALSE(out.WriteFailed());
  }
  ASSERT_EQ(std::filesystem::file_size(path), static_cast<std::uintmax_t>(kSize));

  File in;
  ASSERT_TRUE(in.Open(path, File::Mode::kRead));
  EXPECT_EQ(in.Size(), kSize);
  ASSERT_TRUE(in.Seek(kMark - 2));
  std::string got(text.size() + 4, 'x');
  ASSERT_EQ(in.Read(got.data(), got.size()), got.size());
  EXPECT_EQ(got, std::string(2, '\0') + text + std::string(2, '\0'));
  EXPECT_EQ(in.Tell(), kMark - 2 + static_cast<std::int64_t>(got.size()));
  ASSERT_TRUE(in.Seek(-1, File::Whence::kEnd));
  char last = 0;
  ASSERT_EQ(in.Read(&last, 1), 1u);
  EXPECT_EQ(last, '\n');
  EXPECT_EQ(in.Read(&last, 1), 0u);
  EXPECT_FALSE(in.ReadFailed());
}

}  // namespace
}  // namespace kalvor
