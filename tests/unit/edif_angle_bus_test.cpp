// Buses written with angle brackets ("an<3:0>"), as some netlist writers
// do: they expand like square-bracket buses, and no name in the macro file
// carries a ">" (a line with one would read as an include line).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mac/macfile.h"
#include "edif_test_support.h"
#include "text/strings.h"

namespace kalvor {
namespace {

using testing::EdifWith;
using testing::ImportEdifText;
using testing::Inst;
using testing::LibCell;
using testing::MacLines;
using testing::TestApp;
using V = std::vector<std::string>;

TEST(EdifReader, AngleBracketBusesExpandLikeSquareOnes) {
  TestApp t;
  std::string lib = LibCell("R", {"(array (rename d \"D<3:0>\") 4)", "Q"});
  std::string top_ports = "    (port (array (rename an \"an<3:0>\") 4) (direction INPUT))\n";
  std::string contents =
      Inst("U1", "R") +
      "    (net (rename an_0_ \"an<0>\") (joined (portRef (member an 3)) "
      "(portRef (member d 1) (instanceRef U1))))\n";
  ASSERT_EQ(ImportEdifText(t, EdifWith(lib, top_ports, contents)), Outcome::kCompleted);
  V headers;
  V instances;
  for (const std::string& l : MacLines("design.mac")) {
    EXPECT_EQ(l.find('>'), std::string::npos) << l;
    if (StartsWithNoCase(l, ".macro")) headers.push_back(l);
    if (StartsWith(l, "<U1")) instances.push_back(l);
  }
  EXPECT_EQ(headers, (V{".macro R D0 D1 D2 D3 Q", ".macro TOP an0 an1 an2 an3"}));
  // Member 1 of D<3:0> is bit 2: the only connected port of U1.
  ASSERT_EQ(instances.size(), 1u);
  std::vector<std::string> words;
  std::string_view rest = instances[0];
  for (std::string_view w = NextName(rest); !w.empty(); w = NextName(rest)) words.emplace_back(w);
  ASSERT_EQ(words.size(), 7u) << instances[0];
  EXPECT_EQ(words[2], "NCX1");
  EXPECT_EQ(words[3], "NCX2");
  EXPECT_FALSE(StartsWith(words[4], "NCX")) << instances[0];
  EXPECT_EQ(words[5], "NCX3");
}

}  // namespace
}  // namespace kalvor
