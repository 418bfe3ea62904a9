#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <thread>

#include "posix/posix_platform.h"
#include "support/scripted_platform.h"
#include "text/file.h"
#include "text/strings.h"

namespace kalvor {
namespace {

using testing::ReadFileBytes;
using testing::WriteFileBytes;

TEST(IniProfile, KeysSurviveAndOtherSectionsAreKept) {
  testing::ScratchDir dir;
  WriteFileBytes("k.ini", "[other]\nx=1\n\n[RDMX]\ntestname=a\n");
  IniProfile ini(dir / "k.ini");
  EXPECT_EQ(ini.GetString("TESTNAME", "", 256), "a");
  EXPECT_EQ(ini.GetInt("NETS", 100000), 100000);
  ini.PutString("NETS", "200000x");
  ini.PutString("testname", "b");
  EXPECT_EQ(ini.GetInt("NETS", 1), 200000);
  EXPECT_EQ(ini.GetString("testname", "", 256), "b");
  EXPECT_EQ(ini.GetString("testname", "", 1), "");
  std::string text = ReadFileBytes(dir / "k.ini");
  EXPECT_NE(text.find("[other]\nx=1\n"), std::string::npos);
}

TEST(IniProfile, ConcurrentWritersNeverLeaveATornFile) {
  testing::ScratchDir dir;
  IniProfile a(dir / "s.ini");
  IniProfile b(dir / "s.ini");
  std::thread ta([&] { for (int i = 0; i < 200; ++i) a.PutString("testname", "aaaa"); });
  std::thread tb([&] { for (int i = 0; i < 200; ++i) b.PutString("lastdir", "bbbb"); });
  for (int i = 0; i < 200; ++i) {
    std::string text = ReadFileBytes(dir / "s.ini");
    if (!text.empty()) {
      EXPECT_EQ(text.rfind("[RDMX]\n", 0), 0u) << text;
    }
  }
  ta.join();
  tb.join();
  EXPECT_EQ(a.GetString("testname", "", 256), "aaaa");
}

// A value that would start a new line (a key of its own, or a section) is
// never stored; nothing of it reaches the file.
TEST(IniProfile, ValuesWithLineBreaksAreRefused) {
  testing::ScratchDir dir;
  const std::string before = "[RDMX]\ntestname=a\n";
  WriteFileBytes("k.ini", before);
  IniProfile ini(dir / "k.ini");
  const std::string values[] = {"d\nNETTRAN.EXE=/x\n[RDMX]\nx", "d\r[RDMX]", std::string("a\0b", 3)};
  for (const std::string& value : values) {
    EXPECT_FALSE(ini.PutStrings({{"testname", "b"}, {"testdir", value}}));
    EXPECT_EQ(ReadFileBytes(dir / "k.ini"), before);
  }
  EXPECT_FALSE(ini.PutString("[x]", "1"));
  EXPECT_FALSE(ini.PutString("a=b", "1"));
  EXPECT_TRUE(ini.SaveFailed());
  EXPECT_EQ(ReadFileBytes(dir / "k.ini"), before);
}

// The file is read once; a write that changes nothing leaves it alone, and
// a change is made to the file as it is then (another run's keys kept).
TEST(IniProfile, ReadOnceAndWrittenOnlyForAChange) {
  testing::ScratchDir dir;
  WriteFileBytes("k.ini", "[RDMX]\ntestname=a\nspc_noc=1\n");
  IniProfile ini(dir / "k.ini");
  EXPECT_EQ(ini.GetString("testname", "", 256), "a");
  WriteFileBytes("k.ini", "[RDMX]\ntestname=a\nspc_noc=1\nother=2\n");
  EXPECT_EQ(ini.GetString("other", "none", 256), "none");
  struct stat before {};
  ASSERT_EQ(::stat((dir / "k.ini").c_str(), &before), 0);
  EXPECT_TRUE(ini.PutStrings({{"testname", "a"}, {"spc_noc", "1"}}));
  struct stat after {};
  ASSERT_EQ(::stat((dir / "k.ini").c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_TRUE(ini.PutString("testname", "b"));
  EXPECT_EQ(ReadFileBytes(dir / "k.ini"), "[RDMX]\ntestname=b\nspc_noc=1\nother=2\n");
  EXPECT_EQ(ini.GetString("other", "none", 256), "2");
  EXPECT_FALSE(ini.SaveFailed());
}

// A run killed midway leaves its scratch file; the next run of the same
// target removes it, and only it: not one whose writer still runs, not
// another target's.
TEST(PosixFileSystem, ScratchFilesOfKilledRunsGoWhenTheTargetIsWrittenNext) {
  testing::ScratchDir dir;
  pid_t dead = ::fork();
  if (dead == 0) ::_exit(0);
  ASSERT_GT(dead, 0);
  ::waitpid(dead, nullptr, 0);
  const std::string stale = "~t.txt." + std::to_string(dead) + "-3~";
  const std::string live = "~t.txt." + std::to_string(::getppid()) + "-3~";
  const std::string other = "~u.txt." + std::to_string(dead) + "-3~";
  for (const std::string& name : {stale, live, other}) WriteFileBytes(name, "x");
  PosixFileSystem fs;
  std::string scratch;
  std::FILE* f = fs.CreateScratch(dir / "t.txt", scratch);
  ASSERT_NE(f, nullptr);
  std::fclose(f);
  std::remove(scratch.c_str());
  EXPECT_FALSE(FileExists(dir / stale));
  EXPECT_TRUE(FileExists(dir / live));
  EXPECT_TRUE(FileExists(dir / other));
}

// Every name reaches the program as the one argument it was.
TEST(Arguments, QuotedNamesSplitBackWhole) {
  const std::string names[] = {"plain", "two words", "q\"uote", "end\\", "a\\\"b\\",
                               "\\\\server\\x y\\", "-o x", "\xff\xfe %PATH%"};
  std::string line;
  std::vector<std::string> expected;
  for (const std::string& name : names) {
    line += QuoteArgument(name) + " ";
    expected.push_back(name);
    EXPECT_EQ(SplitArguments(QuoteArgument(name)), std::vector<std::string>{name}) << name;
  }
  EXPECT_EQ(SplitArguments(line), expected);
  EXPECT_EQ(PathArgument("-x.net", PathStyle::kPosix), "./-x.net");
  EXPECT_EQ(PathArgument("-x y", PathStyle::kWindows), "\".\\-x y\"");
  EXPECT_EQ(PathArgument("/d/-x", PathStyle::kPosix), "/d/-x");
}

}  // namespace
}  // namespace kalvor
