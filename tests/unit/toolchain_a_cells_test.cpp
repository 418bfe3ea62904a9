#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/resource.h"
#include "commands/main_window.h"
#include "support/scripted_platform.h"
#include "rewrite_support.h"
#include "core/safe_replace.h"
#include "toolchain/a_cells.h"
#include "toolchain/toolchain.h"

namespace kalvor {
namespace {

using testing::ReadFileBytes;
using testing::TestApp;
using testing::WriteFileBytes;

// Runs the conversion over `lines` and returns the lines written.
std::vector<std::string> Convert(std::vector<std::string> lines) {
  DefinedMacros defined;
  for (std::string& line : lines) ConvertACellLine(line, defined);
  return lines;
}

using V = std::vector<std::string>;

TEST(ConvertACellLine, UndefinedACellsLoseTheirA) {
  EXPECT_EQ(Convert({".macro NAND2 a b y", ".eom", ".macro TOP in x y z w a b",
                     "<U1 NAND2A in x y", "<U2 NAND2 x z w", "<U3 INVa a b",
                     "<U4 INVB a b", ".eom"}),
            (V{".macro NAND2 a b y", ".eom", ".macro TOP in x y z w a b",
               "<U1 NAND2 in x y", "<U2 NAND2 x z w", "<U3 INV a b",
               "<U4 INVB a b", ".eom"}));
}

TEST(ConvertACellLine, DefinedEarlierMeansDefined) {
  // Defined earlier, in any letter case: the instances stay.
  EXPECT_EQ(Convert({".MACRO nand2a a b y", "<U1 NAND2A p q r", "<U2 Nand2a p q r"}),
            (V{".MACRO nand2a a b y", "<U1 NAND2A p q r", "<U2 Nand2a p q r"}));
  // Defined after the line that uses it: undefined for that line.
  EXPECT_EQ(Convert({"<U1 BUFA p q", ".macro BUFA a y", "<U2 BUFA p q"}),
            (V{"<U1 BUF p q", ".macro BUFA a y", "<U2 BUFA p q"}));
  // Whole names only: "XA" and "XAA" are different macros.
  EXPECT_EQ(Convert({".macro XAA a", "<U1 XA p", ".macro X+ a", "<U2 +XA p"}),
            (V{".macro XAA a", "<U1 X p", ".macro X+ a", "<U2 +X p"}));
}

TEST(ConvertACellLine, LinesWithoutANameFollowedByABlank) {
  EXPECT_EQ(Convert({"<cells.mac>", "<U1 NANDA a>b", ".macro NANDA", "<U1 NANDA a b",
                     ".eom", ".eom NANDA", ".eom NANDA ", "<UA", "<U1 INVA",
                     "  leading NANDA x"}),
            (V{"<cells.mac>", "<U1 NANDA a>b", ".macro NANDA", "<U1 NAND a b",
               ".eom", ".eom NANDA", ".eom NAND ", "<UA", "<U1 INVA",
               "  leading NANDA x"}));
}

TEST(ConvertACellLine, NameSpacingAndSingleLetterNames) {
  EXPECT_EQ(Convert({"<U1   A x y", "<U2 a x", "<U3 BA", ".eomx TOPA x"}),
            (V{"<U1    x y", "<U2  x", "<U3 BA", ".eomx TOP x"}));
}

struct ACellsFixture : ::testing::Test {
  ACellsFixture() { t.UseDesign("top"); }
  Outcome Run() {
    EXPECT_EQ(OnMainCommand(t.app, id::kACells), Outcome::kCompleted);
    EXPECT_EQ(t.ui.main.GetText(id::kOptions), "convert A cells to normal");
    return OnMainCommand(t.app, id::kRun);
  }
  TestApp t;
};

TEST_F(ACellsFixture, RewritesTheMacroFileInPlace) {
  std::string long_line = "<BIG NAND4A";
  while (long_line.size() < 20000) long_line += " n" + std::to_string(long_line.size());
  WriteFileBytes(t.dir / "top.mac",
                 "<\\vazevari\\nettran\\scmos\\scms2tpr.mac>\n"
                 ".macro NAND2 a b y\r\n"
                 "<T1 PMOS a y vdd\r\n"
                 ".eom\r\n"
                 "\r\n"
                 ".macro TOP in x y z w a b\r"
                 "<U1 NAND2A in x y\n\r"
                 "<U2 NAND2\tx z w\r\n" +
                     long_line + " end\r\n"
                 "<U3 INVa a b\r\n"
                 ".eom\r\n");
  EXPECT_EQ(Run(), Outcome::kCompleted);
  std::string converted = long_line;
  converted.erase(10, 1);  // NAND4A -> NAND4
  EXPECT_EQ(ReadFileBytes(t.dir / "top.mac"),
            "<\\vazevari\\nettran\\scmos\\scms2tpr.mac>\r\n"
            ".macro NAND2 a b y\r\n"
            "<T1 PMOS a y vdd\r\n"
            ".eom\r\n"
            "\r\n"
            ".macro TOP in x y z w a b\r\n"
            "<U1 NAND2 in x y\r\n"
            "<U2 NAND2 x z w\r\n" +
                converted + " end\r\n"
            "<U3 INV a b\r\n"
            ".eom\r\n");
  EXPECT_FALSE(std::filesystem::exists(t.dir / "~tmp"));
  EXPECT_TRUE(t.ui.Showed("Done.", ""));
}

TEST_F(ACellsFixture, MissingMacroFileAndScratchFile) {
  EXPECT_EQ(Run(), Outcome::kFailed);
  EXPECT_TRUE(t.ui.Showed("unable to open .mac file", t.dir / "top.mac"));

  WriteFileBytes(t.dir / "top.mac", "<U1 INVA a b\r\n");
  testing::OtherFsApp<testing::NoScratchFs> full(t);
  EXPECT_EQ(ConvertACells(full.app.context(), ToolDesignOf(full.app)), Outcome::kFailed);
  EXPECT_TRUE(t.ui.Showed(kUnableToCreate, t.dir / "top.mac"));
  EXPECT_EQ(ReadFileBytes(t.dir / "top.mac"), "<U1 INVA a b\r\n");
}

TEST_F(ACellsFixture, FailedReplaceKeepsTheMacroFileAndNoScratchFile) {
  WriteFileBytes(t.dir / "top.mac", "<U1 INVA a b\r\n");
  testing::LockedApp locked(t);
  EXPECT_EQ(ConvertACells(locked.app.context(), ToolDesignOf(locked.app)), Outcome::kFailed);
  EXPECT_TRUE(t.ui.Showed(kUnableToWrite, t.dir / "top.mac"));
  EXPECT_EQ(ReadFileBytes(t.dir / "top.mac"), "<U1 INVA a b\r\n");
  EXPECT_TRUE(testing::ScratchFilesIn(t.dir.path()).empty());
}

}  // namespace
}  // namespace kalvor
