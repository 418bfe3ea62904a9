// The import's indexed searches against plain front-to-back scans: the
// macro file and the wire list must come out byte for byte the same, on
// every real netlist and on generated ones with awkward names.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "../../bench/edif_generator.h"
#include "edif_test_support.h"
#include "naive_edif_lookups.h"

namespace kalvor {
namespace {

using testing::ImportEdifText;
using testing::NaiveEdifLookups;
using testing::ReadFileBytes;
using testing::TestApp;

struct Result {
  Outcome outcome;
  std::string mac;
  std::string wir;
  std::vector<std::string> captions;
};

Result Import(const std::string& edif, const std::string& base, bool naive) {
  TestApp t;
  t.profile.values["edif_instances"] = "1000000";
  t.profile.values["edif_nets"] = "1000000";
  NaiveEdifLookups plain;
  Result r;
  r.outcome = ImportEdifText(t, edif, base, {}, naive ? &plain : nullptr);
  r.mac = ReadFileBytes("design.mac");
  r.wir = ReadFileBytes("design.wir");
  for (const auto& b : t.ui.boxes) r.captions.push_back(b.caption);
  return r;
}

Result ExpectSame(const std::string& edif, const std::string& base, const std::string& what) {
  Result fast = Import(edif, base, false);
  Result plain = Import(edif, base, true);
  EXPECT_EQ(fast.outcome, plain.outcome) << what;
  EXPECT_FALSE(fast.mac.empty()) << what;
  EXPECT_TRUE(fast.mac == plain.mac) << what << ": macro files differ";
  EXPECT_TRUE(fast.wir == plain.wir) << what << ": wire lists differ";
  EXPECT_EQ(fast.captions, plain.captions) << what;
  return fast;
}

// Base file that exercises every lookup: port checks and orders, renames
// with and without condition, inverters, fanout buffers.
const char* const kBase =
    ".macro G1 A0 A1 A2 D0 D1 D2 D3 Y\r\n"
    ".macro G2 Y A0 A1\r\n+A2 D0 D1 D2 D3\r\n"
    "$extinv G2X A1\r\n"
    "$reorder G3 A2 A1 A0 EN Y\r\n"
    "$rename G4 G4R:u1\r\n"
    "$rename G0 G0R\r\n"
    "$outputs yq\r\n"
    "$fanouts 5 20 1000000\r\n";

TEST(EdifDifferential, EveryCorpusFile) {
  const std::string dir = std::string(KALVOR_CORPUS_DIR) + "/edif";
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    if (entry.path().extension() != ".edf") continue;
    ++files;
    ExpectSame(ReadFileBytes(entry.path().string()), "", entry.path().filename().string());
  }
  EXPECT_GE(files, 10);
}

TEST(EdifDifferential, GeneratedNetlistsWithBaseFile) {
  for (std::uint32_t seed = 1; seed <= 4; ++seed) {
    gen::EdifShape shape;
    shape.blocks = 2;
    shape.instances = 300;
    shape.odd_names = seed % 2 == 0;
    shape.seed = seed;
    std::string text;
    gen::EdifGenerator().Write(shape, nullptr, &text);
    ExpectSame(text, "", "seed " + std::to_string(seed));
    Result r = ExpectSame(text, kBase, "seed " + std::to_string(seed) + " with base file");
    // The base file's effects really happened.
    EXPECT_NE(r.mac.find(" G2X "), std::string::npos);
    EXPECT_NE(r.mac.find("EXTINV_1<O"), std::string::npos);
    EXPECT_NE(r.mac.find("_fanbust"), std::string::npos);
    EXPECT_NE(r.mac.find(" G4R "), std::string::npos);
  }
}

// Node words that can be split more than one way: instance and port names
// holding "<", an instance name with a blank, two instances of one name,
// and a net that names an instance before it is declared.
TEST(EdifDifferential, InstanceAndPortNamesThatOverlap) {
  const std::string cell =
      "(viewRef net (cellRef INV (libraryRef LIB)))";
  const std::string edif =
      "(edif t (edifVersion 2 0 0) (edifLevel 0) (keywordMap (keywordLevel 0))\n"
      " (library LIB (edifLevel 0) (technology (numberDefinition))\n"
      "  (cell INV (cellType GENERIC) (view net (viewType NETLIST) (interface\n"
      "   (port A (direction INPUT)) (port p<q (direction INPUT)) (port Y (direction OUTPUT))))))\n"
      " (library WORK (edifLevel 0) (technology (numberDefinition))\n"
      "  (cell TOP (cellType GENERIC) (view net (viewType NETLIST)\n"
      "   (interface (port IN (direction INPUT)) (port OUT (direction OUTPUT)))\n"
      "   (contents\n"
      "    (net early (joined (portRef A (instanceRef late)) (portRef IN)))\n"
      "    (instance u " + cell + ")\n"
      "    (instance u<1 " + cell + ")\n"
      "    (instance \"a b\" " + cell + ")\n"
      "    (instance dup " + cell + ")\n"
      "    (instance dup " + cell + ")\n"
      "    (instance late " + cell + ")\n"
      "    (net n1 (joined (portRef Y (instanceRef u)) (portRef p<q (instanceRef u<1))\n"
      "      (portRef A (instanceRef dup))))\n"
      "    (net n2 (joined (portRef 1<p<q (instanceRef u)) (portRef Y (instanceRef u<1))\n"
      "      (portRef A (instanceRef \"a b\"))))\n"
      "    (net n3 (joined (portRef Y (instanceRef dup)) (portRef OUT)\n"
      "      (portRef p<q (instanceRef \"a b\"))))\n"
      "    (net n4 (joined (portRef Y (instanceRef \"a b\")) (portRef A (instanceRef u<1))\n"
      "      (portRef Y (instanceRef late)))))))))\n"
      " (design TOP (cellRef TOP (libraryRef WORK))))\n";
  Result r = ExpectSame(edif, "", "overlapping names");
  // Both instances named dup take their ports from the first nets that hold them.
  EXPECT_NE(r.mac.find("<dup INV n1 NCX"), std::string::npos) << r.mac;
}

// Instances with many ports, connected in an order unlike their port
// list, one port in two nets (the first net counts) and one port open.
TEST(EdifDifferential, InstanceWithManyPorts) {
  std::string edif =
      "(edif t (edifVersion 2 0 0) (edifLevel 0) (keywordMap (keywordLevel 0))\n"
      " (library LIB (edifLevel 0) (technology (numberDefinition))\n"
      "  (cell WIDE (cellType GENERIC) (view net (viewType NETLIST) (interface\n";
  for (int p = 0; p < 40; ++p) edif += "   (port P" + std::to_string(p) + " (direction INPUT))\n";
  edif +=
      "  ))))\n"
      " (library WORK (edifLevel 0) (technology (numberDefinition))\n"
      "  (cell TOP (cellType GENERIC) (view net (viewType NETLIST) (interface)\n"
      "   (contents\n"
      "    (instance w (viewRef net (cellRef WIDE (libraryRef LIB))))\n"
      "    (instance v (viewRef net (cellRef WIDE (libraryRef LIB))))\n";
  for (int k = 0; k < 39; ++k) {
    edif += "    (net m" + std::to_string(k) + " (joined (portRef P" + std::to_string(39 - k) +
            " (instanceRef w)) (portRef P" + std::to_string(k) + " (instanceRef v))))\n";
  }
  edif +=
      "    (net again (joined (portRef P3 (instanceRef w)) (portRef P0 (instanceRef w))))))))\n"
      " (design TOP (cellRef TOP (libraryRef WORK))))\n";
  Result r = ExpectSame(edif, "", "many ports");
  // P3 of w is in m36 and in again: m36 comes first. P0 of w is only in
  // again. The line is read with its continuations joined.
  std::string mac = r.mac;
  for (std::size_t at; (at = mac.find("\r\n+")) != std::string::npos;) mac.replace(at, 3, " ");
  EXPECT_NE(mac.find("<w WIDE again m38 m37 m36"), std::string::npos) << r.mac;
  EXPECT_NE(mac.find(" m4 m3 m2 m1 m0"), std::string::npos) << r.mac;
}

}  // namespace
}  // namespace kalvor
