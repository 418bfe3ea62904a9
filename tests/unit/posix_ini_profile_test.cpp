#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "posix/posix_platform.h"
#include "support/scripted_platform.h"

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

}  // namespace
}  // namespace kalvor
