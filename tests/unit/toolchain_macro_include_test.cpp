// Inserting the technology macro file's include line into the design's
// macro file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/scripted_platform.h"
#include "toolchain/macro_include.h"

namespace kalvor {
namespace {

using testing::ReadFileBytes;
using testing::Crlf;
using testing::TestApp;
using testing::WriteFileBytes;
using V = std::vector<std::string>;

struct MacFile {
  TestApp t;
  std::string tech;  // an existing technology macro file
  explicit MacFile(const std::string& bytes) {
    t.UseDesign("abc");
    WriteFileBytes(t.dir / "abc.mac", bytes);
    tech = t.dir / "scmostpr.mac";
    WriteFileBytes(tech, "");
  }
  std::string Mac() { return ReadFileBytes(t.dir / "abc.mac"); }
};

TEST(InsertMacroInclude, PresentIncludeIsFoundIgnoringCase) {
  const std::string text = Crlf({"<c:\\lib\\scmossim.mac>", ".macro A x", ".eom"});
  MacFile m(text);
  EXPECT_TRUE(InsertMacroInclude(m.t.app.context(), ToolDesignOf(m.t.app), "sim.mac"));
  EXPECT_TRUE(m.t.ui.input_prompts.empty());
  EXPECT_EQ(m.Mac(), text);

  MacFile n(Crlf({"<C:\\X\\MYSIM.MAC>"}));
  EXPECT_TRUE(InsertMacroInclude(n.t.app.context(), ToolDesignOf(n.t.app), "sim.mac"));
  EXPECT_TRUE(n.t.ui.input_prompts.empty());
}

TEST(InsertMacroInclude, ReplacesTheOtherFunctionsIncludeAndAsksForPads) {
  MacFile m(Crlf({"$ header", "<c:\\lib\\scmossim.mac>", "<other.mac>", ".macro A x",
                  ".eom", ".macro B y", ".eom"}));
  m.t.ui.answers = {m.tech, "pads.txt"};
  EXPECT_TRUE(InsertMacroInclude(m.t.app.context(), ToolDesignOf(m.t.app), "tpr.mac"));
  EXPECT_EQ(m.t.ui.input_prompts,
            (V{"Specify a macro file for this function:",
               "Do you want to specify a pad definition file?"}));
  // Only the first .mac include is replaced, in its place; the pad include
  // stands before the first line that begins with a dot.
  EXPECT_EQ(m.Mac(), Crlf({"$ header", "<" + m.tech + ">", "<other.mac>", "<pads.txt>",
                           ".macro A x", ".eom", ".macro B y", ".eom"}));
  EXPECT_EQ(m.t.profile.values["tpr.mac"], m.tech);
  EXPECT_EQ(m.t.profile.values["pad_macs"], "pads.txt");
}

// A setting the user chose that cannot be saved is reported, never lost in
// silence (the include itself still goes in).
TEST(InsertMacroInclude, ASettingThatCannotBeSavedIsReported) {
  MacFile m(Crlf({".macro A x", ".eom"}));
  m.t.profile.writable = false;
  m.t.ui.answers = {m.tech};
  EXPECT_TRUE(InsertMacroInclude(m.t.app.context(), ToolDesignOf(m.t.app), "sim.mac"));
  EXPECT_TRUE(m.t.ui.Showed("Unable to save the settings in above file.", "WIN.INI"));
  EXPECT_EQ(m.Mac(), Crlf({"<" + m.tech + ">", ".macro A x", ".eom"}));
}

TEST(InsertMacroInclude, PadQuestionOnlyForTprAndOnlyWithoutAPadInclude) {
  MacFile m(Crlf({"<lib\\pads.txt>", ".macro A x", ".eom"}));
  m.t.ui.answers = {m.tech};
  InsertMacroInclude(m.t.app.context(), ToolDesignOf(m.t.app), "tpr.mac");
  EXPECT_EQ(m.t.ui.input_prompts.size(), 1u);
  EXPECT_EQ(m.Mac(), Crlf({"<" + m.tech + ">", "<lib\\pads.txt>", ".macro A x", ".eom"}));

  MacFile s(Crlf({".macro A x", ".eom"}));
  s.t.ui.answers = {s.tech};
  InsertMacroInclude(s.t.app.context(), ToolDesignOf(s.t.app), "spc.mac");
  EXPECT_EQ(s.t.ui.input_prompts.size(), 1u);

  // An empty answer writes "<>" and stores the empty name.
  MacFile e(Crlf({".macro A x", ".eom"}));
  e.t.profile.values["pad_macs"] = "old.txt";
  e.t.ui.answers = {e.tech, ""};
  InsertMacroInclude(e.t.app.context(), ToolDesignOf(e.t.app), "tpr.mac");
  EXPECT_EQ(e.Mac(), Crlf({"<" + e.tech + ">", "<>", ".macro A x", ".eom"}));
  EXPECT_EQ(e.t.profile.values["pad_macs"], "");
}

TEST(InsertMacroInclude, OnlyTheFirstHundredLinesAreSearched) {
  V lines(100, "$ comment");
  lines.push_back("<c:\\lib\\scmossim.mac>");
  lines.push_back(".macro A x");
  MacFile m(Crlf(lines));
  m.t.profile.values["sim.mac"] = m.tech;
  m.t.ui.answers = {"ok"};  // the stored file is the preset
  EXPECT_TRUE(InsertMacroInclude(m.t.app.context(), ToolDesignOf(m.t.app), "sim.mac"));
  V expected = {"<" + m.tech + ">"};
  expected.insert(expected.end(), lines.begin(), lines.end());
  EXPECT_EQ(m.Mac(), Crlf(expected));
}

TEST(InsertMacroInclude, DefaultFileAndBrowsing) {
  MacFile m(Crlf({".macro A x"}));
  m.t.ui.answers = {"ok", "cancel"};
  EXPECT_FALSE(InsertMacroInclude(m.t.app.context(), ToolDesignOf(m.t.app), "sim.mac"));
  // The default names the suite's library; it does not exist here.
  EXPECT_TRUE(m.t.ui.Showed("Unable to open macro file.  Please browse to find correct file.",
                            "\\vazevari\\nettran\\scmos\\scmossim.mac"));
  EXPECT_EQ(m.t.ui.file_dialog_patterns, V{"*.mac"});
  EXPECT_EQ(m.t.ui.file_dialog_dirs, V{m.t.app.state.test_dir});
  EXPECT_EQ(m.Mac(), Crlf({".macro A x"}));
  EXPECT_FALSE(m.t.profile.Has("sim.mac"));

  // A file picked in the dialog is taken as it is.
  m.t.ui.answers = {"missing.mac", "/lib/picked.mac"};
  EXPECT_TRUE(InsertMacroInclude(m.t.app.context(), ToolDesignOf(m.t.app), "sim.mac"));
  EXPECT_EQ(m.Mac(), Crlf({"</lib/picked.mac>", ".macro A x"}));
  EXPECT_EQ(m.t.profile.values["sim.mac"], "/lib/picked.mac");
}

TEST(InsertMacroInclude, CancelAndMissingMacroFile) {
  MacFile m(Crlf({".macro A x"}));
  m.t.ui.answers = {"cancel"};
  EXPECT_FALSE(InsertMacroInclude(m.t.app.context(), ToolDesignOf(m.t.app), "tpr.mac"));
  EXPECT_EQ(m.Mac(), Crlf({".macro A x"}));

  TestApp t;
  t.UseDesign("nothing");
  EXPECT_FALSE(InsertMacroInclude(t.app.context(), ToolDesignOf(t.app), "sim.mac"));
  EXPECT_TRUE(t.ui.Showed(t.dir / "nothing.mac", "Unable to open:"));
}

}  // namespace
}  // namespace kalvor
