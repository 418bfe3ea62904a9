// The clean-up over the real netlists of the corpus: every line it keeps is
// either the input line byte for byte or the edit of a step that applies to
// it, and every line it leaves out is one a step drops.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/resource.h"
#include "platform/table_view.h"
#include "spice/spice_cleanup.h"
#include "support/scripted_platform.h"
#include "rewrite_support.h"

namespace kalvor {
namespace {

using testing::CrLfLines;
using testing::ReadFileBytes;
using testing::TestApp;
using testing::WriteFileBytes;
using V = std::vector<std::string>;

V InputLines(const std::string& bytes) {
  V lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    std::string line =
        bytes.substr(start, end == std::string::npos ? end : end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() &&
         s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

struct Expectation {
  bool parasitics = false;  // plain-number capacitors are dropped
};

// Whether `out` is what the default edits make of `in`.
bool Explains(const std::string& in, const std::string& out) {
  if (in == out) return true;
  if (!in.empty() && in[0] == 'C') {
    std::string fixed = in;
    std::size_t c = fixed.find("C=");
    if (c != std::string::npos) fixed.erase(c, 2);
    return out == fixed || (out == fixed + "e" && EndsWith(fixed, "f"));
  }
  if (!in.empty() && in[0] == 'D') {
    return out.size() > 7 && out[0] == 'V' && EndsWith(out, " 0.735") &&
           in.compare(1, out.size() - 7, out, 1, out.size() - 7) == 0;
  }
  return false;
}

bool Droppable(const std::string& in, const std::string& previous,
               const Expectation& e) {
  if (!in.empty() && in[0] == '*') return true;
  if (in == ".END" || EndsWith(in, " nc") ||
      in.find(" PortPad") != std::string::npos) {
    return true;
  }
  if (previous == ".SUBCKT nc a" ||
      (previous.find(" PortPad") != std::string::npos &&
       previous.find(".SUBCKT") != std::string::npos)) {
    return true;
  }
  if (in.find('?') != std::string::npos) return true;
  if (e.parasitics && !in.empty() && (in[0] == 'C' || in[0] == 'c')) {
    std::size_t last = in.find_last_not_of(' ');
    return last != std::string::npos && in[last] >= '0' && in[last] <= '9';
  }
  return false;
}

// Aligns the output with the input; returns how many lines were kept
// unchanged.
std::size_t CheckAlignment(const V& in, const V& out, const Expectation& e,
                           const std::string& name) {
  std::size_t j = 0;
  std::size_t unchanged = 0;
  for (const std::string& o : out) {
    while (j < in.size() && !Explains(in[j], o)) {
      EXPECT_TRUE(Droppable(in[j], j ? in[j - 1] : "", e))
          << name << ": line " << j + 1 << " lost: " << in[j];
      ++j;
    }
    EXPECT_LT(j, in.size()) << name << ": unexplained output line: " << o;
    if (j >= in.size()) return unchanged;
    if (in[j] == o) ++unchanged;
    ++j;
  }
  for (; j < in.size(); ++j) {
    EXPECT_TRUE(Droppable(in[j], j ? in[j - 1] : "", e))
        << name << ": line " << j + 1 << " lost: " << in[j];
  }
  return unchanged;
}

constexpr int kAllBoxes[] = {id::kNoComments, id::kNoNc,  id::kNoEnd,
                             id::kNoQuestion, id::kNoC,   id::kNoUpper,
                             id::kDiodes,     id::kNoCaps};

struct CorpusRun {
  Outcome outcome;
  V in;
  V out;
};

// Cleans a copy of `source` as the design's L-Edit extract.
CorpusRun Clean(const std::string& source, const std::vector<int>& checked,
                const std::vector<std::string>& answers) {
  TestApp t;
  t.UseDesign("net");
  for (int id : kAllBoxes) t.ui.main.SetChecked(id, false);
  for (int id : checked) t.ui.main.SetChecked(id, true);
  const std::string bytes = ReadFileBytes(source);
  WriteFileBytes("net.spc", bytes);
  t.ui.answers.assign(answers.begin(), answers.end());
  t.ui.dialog_scripts.push_back([](TableView& v) {
    v.SetChecked(101, false);
    v.SetChecked(102, true);
    return kIdOk;
  });
  CorpusRun run{testing::RunArmed(t.app, id::kSpiceClean), InputLines(bytes), {}};
  run.out = CrLfLines(ReadFileBytes("net.spc"));
  EXPECT_TRUE(t.ui.Last().caption == "Done!" ||
              t.ui.Last().text.rfind("Warning: Did not recognize", 0) == 0)
      << source;
  return run;
}

std::vector<std::string> CorpusNetlists() {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(
           std::string(KALVOR_CORPUS_DIR) + "/spice")) {
    files.push_back(entry.path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

TEST(SpiceCorpus, DefaultOptionsKeepEveryLineNoStepAppliesTo) {
  std::vector<std::string> files = CorpusNetlists();
  ASSERT_GE(files.size(), 6u);
  for (const std::string& file : files) {
    CorpusRun run = Clean(file,
                          {id::kNoComments, id::kNoNc, id::kNoEnd,
                           id::kNoQuestion, id::kNoC, id::kDiodes},
                          {});
    EXPECT_EQ(run.outcome, Outcome::kCompleted) << file;
    std::size_t unchanged = CheckAlignment(run.in, run.out, {}, file);
    EXPECT_GT(unchanged, 0u) << file;
    for (const std::string& o : run.out) {
      EXPECT_TRUE(o.empty() || (o[0] != '*' && o != ".END"))
          << file << ": " << o;
    }
  }
}

TEST(SpiceCorpus, EveryOptionOn) {
  const std::vector<int> all(std::begin(kAllBoxes), std::end(kAllBoxes));
  for (const std::string& file : CorpusNetlists()) {
    // Without a command file the node-name steps change nothing.
    CorpusRun plain = Clean(file, all, {"no"});
    EXPECT_EQ(plain.outcome, Outcome::kCompleted) << file;
    CheckAlignment(plain.in, plain.out, {true}, file);
    // With the netlist itself as the command file every name is matched to
    // the spelling it already has the first time it appears.
    CorpusRun matched = Clean(file, all, {"yes", file});
    EXPECT_EQ(matched.outcome, Outcome::kCompleted) << file;
    EXPECT_EQ(matched.out.size(), plain.out.size()) << file;
  }
}

}  // namespace
}  // namespace kalvor
