// The one write path: what a rewrite does to links, permissions and files
// planted where its scratch files go.
#include "core/safe_replace.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "rewrite_support.h"
#include "support/scripted_platform.h"

namespace kalvor {
namespace {

using testing::ReadFileBytes;
using testing::TestApp;
using testing::WriteFileBytes;

bool Rewrite(TestApp& t, const std::string& target, const std::string& text) {
  SafeOutput out(t.app.platform);
  if (!out.Open(target)) return false;
  out.file().Write(text);
  return out.Commit();
}

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  return st.st_mode & 07777;
}

TEST(SafeOutput, FollowsALinkAndKeepsThePermissionBits) {
  TestApp t;
  WriteFileBytes(t.dir / "real.mac", "old");
  ::chmod((t.dir / "real.mac").c_str(), 0440);
  std::filesystem::create_symlink("real.mac", t.dir / "link.mac");
  ASSERT_TRUE(Rewrite(t, t.dir / "link.mac", "new"));
  EXPECT_TRUE(std::filesystem::is_symlink(t.dir / "link.mac"));
  EXPECT_EQ(ReadFileBytes(t.dir / "real.mac"), "new");
  EXPECT_EQ(ModeOf(t.dir / "real.mac"), 0440u);
  EXPECT_TRUE(testing::ScratchFilesIn(t.dir.path()).empty());
}

// A link that leads nowhere is never followed into creating its target,
// wherever it points.
TEST(SafeOutput, ALinkToNothingIsRefused) {
  TestApp t;
  std::filesystem::create_symlink(t.dir / "elsewhere" , t.dir / "x.mac");
  EXPECT_FALSE(Rewrite(t, t.dir / "x.mac", "new"));
  EXPECT_EQ(t.ui.Last().text, kLinkToNothing);
  EXPECT_EQ(t.ui.Last().caption, t.dir / "x.mac");
  EXPECT_FALSE(std::filesystem::exists(t.dir / "elsewhere"));
  EXPECT_TRUE(std::filesystem::is_symlink(t.dir / "x.mac"));
  EXPECT_TRUE(testing::ScratchFilesIn(t.dir.path()).empty());
}

// A file system on which one file cannot be replaced (locked by another
// program).
struct OneLockedFs : PosixFileSystem {
  std::string locked;
  bool ReplaceFile(const std::string& from, const std::string& to) override {
    return to != locked && PosixFileSystem::ReplaceFile(from, to);
  }
};

// Two files that belong together: when either cannot be replaced, the
// other is put back as it was (a new one is taken away again), whichever
// of them is the larger or missing.
TEST(SafeOutput, PairsAreReplacedBothOrNeither) {
  for (const char* stuck : {"a.wir", "a.mac"}) {
    for (bool other_existed : {true, false}) {
      TestApp t;
      testing::OtherFsApp<OneLockedFs> locked(t);
      locked.fs.locked = t.dir / stuck;
      const std::string other = std::string(stuck) == "a.wir" ? "a.mac" : "a.wir";
      const std::string old_text(other == "a.mac" ? 100000 : 3, 'o');
      if (other_existed) WriteFileBytes(t.dir / other, old_text);
      WriteFileBytes(t.dir / stuck, "stuck");
      SafeOutput mac(locked.app.platform);
      SafeOutput wir(locked.app.platform);
      ASSERT_TRUE(mac.Open(t.dir / "a.mac") && wir.Open(t.dir / "a.wir"));
      mac.file().Write("new mac");
      wir.file().Write("new wir");
      EXPECT_FALSE(CommitPair(mac, wir));
      EXPECT_EQ(ReadFileBytes(t.dir / stuck), "stuck");
      if (other_existed) {
        EXPECT_EQ(ReadFileBytes(t.dir / other), old_text) << stuck;
      } else {
        EXPECT_FALSE(std::filesystem::exists(t.dir / other)) << stuck;
      }
      EXPECT_EQ(t.ui.Last().caption, t.dir / stuck);
      EXPECT_TRUE(testing::ScratchFilesIn(t.dir.path()).empty()) << stuck;
    }
  }
}

TEST(SafeOutput, LinksPlantedAtScratchNamesAreNeverFollowed) {
  TestApp t;
  WriteFileBytes(t.dir / "victim", "precious");
  // Every name the next scratch files of this process could take.
  for (int serial = 0; serial < 2000; ++serial) {
    std::string name = FileSystem::ScratchName(
        "x.vhd", std::to_string(::getpid()) + "-" + std::to_string(serial));
    std::filesystem::create_symlink(t.dir / "victim", t.dir / name);
  }
  WriteFileBytes(t.dir / "x.vhd", "old");
  bool written = Rewrite(t, t.dir / "x.vhd", "new");
  EXPECT_EQ(ReadFileBytes(t.dir / "victim"), "precious");
  EXPECT_EQ(ReadFileBytes(t.dir / "x.vhd"), written ? "new" : "old");
  EXPECT_FALSE(std::filesystem::is_symlink(t.dir / "x.vhd"));
}

TEST(SafeOutput, AbortLeavesTheFileAndNoScratchFile) {
  TestApp t;
  WriteFileBytes(t.dir / "a.out", "old");
  {
    SafeOutput out(t.app.platform);
    ASSERT_TRUE(out.Open(t.dir / "a.out"));
    out.file().Write("half");
  }  // dropped without a commit, as a cancelled conversion is
  EXPECT_EQ(ReadFileBytes(t.dir / "a.out"), "old");
  EXPECT_TRUE(testing::ScratchFilesIn(t.dir.path()).empty());
  EXPECT_TRUE(t.ui.boxes.empty());
}

}  // namespace
}  // namespace kalvor
