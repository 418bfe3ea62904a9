// WriteWrappedLine, which writes without copying the rest of the text for
// every piece, gives byte for byte the lines of the plain piece-by-piece
// wrapping, including the "Symbol over 70 char. long" stop.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "mac/macfile.h"
#include "support/scripted_platform.h"
#include "text/lineio.h"

namespace kalvor {
namespace {

using testing::ReadFileBytes;
using testing::ScratchDir;
using testing::ScriptedUi;
using testing::WriteFileBytes;

struct Written {
  std::string bytes;
  bool ok;
  std::vector<testing::RecordedBox> boxes;
};

template <typename F>
Written WriteWith(F write, const std::string& text) {
  ScriptedUi ui;
  File f;
  EXPECT_TRUE(f.Open("out.txt", File::Mode::kCreate));
  bool ok = write(f, text, ui);
  f.Close();
  return {ReadFileBytes("out.txt"), ok, ui.boxes};
}

// The plain wrapping: cut a piece, write it, carry on with "+" and the rest.
bool PlainWrap(File& file, std::string text, ScriptedUi& ui) {
  while (text.size() > 77) {
    std::size_t split = std::string::npos;
    for (std::size_t n = 70; n >= 2; --n) {
      std::size_t blank = text.find(' ', n);
      if (blank != std::string::npos && blank <= 74) {
        split = blank;
        break;
      }
    }
    if (split == std::string::npos) {
      ui.Notify(text, "Symbol over 70 char. long", box::kOk | box::kIconError | box::kNoOwner);
      file.Close();
      return false;
    }
    WriteLine(file, std::string_view(text).substr(0, split));
    text = "+" + text.substr(split + 1);
    if (text == "+" || text == "+ ") return true;
  }
  return WriteLine(file, text);
}

TEST(WriteMacLine, SameLinesAsThePlainWrapping) {
  ScratchDir dir;
  std::uint32_t r = 7;
  auto next = [&] { return (r = r * 1103515245u + 12345u) >> 16; };
  int stops = 0;
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    std::size_t len = next() % 400;
    unsigned word = 1 + next() % (round % 3 == 0 ? 90 : 12);  // long words force the stop
    for (std::size_t i = 0; i < len; ++i) {
      text += (next() % word == 0) ? ' ' : static_cast<char>('a' + next() % 26);
    }
    Written a = WriteWith([](File& f, const std::string& t, ScriptedUi& ui) { return WriteMacLine(f, t, ui); }, text);
    Written b = WriteWith(PlainWrap, text);
    ASSERT_EQ(a.bytes, b.bytes) << text;
    ASSERT_EQ(a.ok, b.ok) << text;
    ASSERT_EQ(a.boxes.size(), b.boxes.size()) << text;
    if (!a.boxes.empty()) {
      ++stops;
      EXPECT_EQ(a.boxes[0].text, b.boxes[0].text);
      EXPECT_EQ(b.boxes[0].caption, "Symbol over 70 char. long");
      EXPECT_EQ(a.boxes[0].type, b.boxes[0].type);
    }
  }
  EXPECT_GT(stops, 10);
}

TEST(WriteMacLine, LongHeaderJoinsBackToTheSameWords) {
  ScratchDir dir;
  std::string header = ".macro M";
  for (int i = 0; i < 30; ++i) header += " PORT" + std::to_string(1000 + i);
  Written w = WriteWith([](File& f, const std::string& t, ScriptedUi& ui) { return WriteMacLine(f, t, ui); }, header);
  ASSERT_TRUE(w.ok);
  File in;
  ASSERT_TRUE(in.Open("out.txt", File::Mode::kRead));
  std::string joined;
  ASSERT_NE(ReadJoinedLine(in, joined, 16000), 0);
  EXPECT_EQ(joined, header);
  std::size_t start = 0;
  while (start < w.bytes.size()) {
    std::size_t end = w.bytes.find("\r\n", start);
    EXPECT_LE(end - start, 77u);
    if (start > 0) {
      EXPECT_EQ(w.bytes[start], '+');
    }
    start = end + 2;
  }
}

std::string Wrapped(const std::string& text, ScriptedUi& ui, bool* ok) {
  ScratchDir dir;
  File f;
  EXPECT_TRUE(f.Open("out.txt", File::Mode::kCreate));
  *ok = WriteMacLine(f, text, ui);
  f.Close();
  return ReadFileBytes("out.txt");
}

TEST(WriteMacLine, SeventySevenCharactersStayOnOneLine) {
  ScriptedUi ui;
  bool ok = false;
  std::string text = std::string(40, 'a') + " " + std::string(36, 'b');
  ASSERT_EQ(text.size(), 77u);
  EXPECT_EQ(Wrapped(text, ui, &ok), text + "\r\n");
  EXPECT_TRUE(ok);
}

TEST(WriteMacLine, SplitsAtTheBlankAndContinuesWithPlus) {
  ScriptedUi ui;
  bool ok = false;
  std::string text = std::string(72, 'a') + " " + "bcdef";
  EXPECT_EQ(Wrapped(text, ui, &ok), std::string(72, 'a') + "\r\n+bcdef\r\n");
  EXPECT_TRUE(ok);
}

TEST(WriteMacLine, PrefersBlanksAt70To74ElseTheLastBefore70) {
  ScriptedUi ui;
  bool ok = false;
  // Blanks at 10 and 60 only: split at 60.
  std::string text = std::string(10, 'a') + " " + std::string(49, 'b') + " " +
                     std::string(30, 'c');
  EXPECT_EQ(Wrapped(text, ui, &ok),
            std::string(10, 'a') + " " + std::string(49, 'b') + "\r\n+" +
                std::string(30, 'c') + "\r\n");
}

TEST(WriteMacLine, NoBlankStopsWithMessageAndClosesFile) {
  ScriptedUi ui;
  bool ok = true;
  std::string text(80, 'x');
  EXPECT_EQ(Wrapped(text, ui, &ok), "");
  EXPECT_FALSE(ok);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text, text);
  EXPECT_EQ(ui.boxes[0].caption, "Symbol over 70 char. long");
  EXPECT_EQ(ui.boxes[0].icon(), box::kIconError);
}

TEST(WriteMacLine, TrailingBlankLeavesNoEmptyContinuation) {
  ScriptedUi ui;
  bool ok = false;
  std::string text = std::string(72, 'a') + " " + std::string(4, 'b') + " ";
  // 78 characters: split at 72 leaves "+bbbb " which is written.
  EXPECT_EQ(Wrapped(text, ui, &ok), std::string(72, 'a') + "\r\n+bbbb \r\n");
  std::string just_blank = std::string(78, 'a');
  just_blank[72] = ' ';
  just_blank.resize(73);
  just_blank += std::string(5, ' ');
}

// Header words as every reader of ports takes them: a word of any length is
// one port (a 63-character name is no longer lost with the rest of the
// header), trailing ";" words are dropped, anything
// but ".macro" in its first 6 characters is no header.
TEST(ParseMacHeader, WordsAsTheReadersTakeThem) {
  const std::string long_word(63, 'w');
  struct Case {
    std::string line;
    bool header;
    std::string name;
    std::vector<std::string> ports;
  } cases[] = {
      {".macro FA A  B\tCI", true, "FA", {"A", "B", "CI"}},
      {".MACRO top a ; b ;;", true, "top", {"a", ";", "b"}},
      {".macroX n " + long_word + " c", true, "n", {long_word, "c"}},
      {".macro", true, "", {}},
      {" .macro x a", false, "", {}},
      {"$reorder x a", false, "", {}},
  };
  for (const Case& c : cases) {
    MacHeader h{"old", {"old"}};
    EXPECT_EQ(ParseMacHeader(c.line, h), c.header) << c.line;
    if (!c.header) continue;
    EXPECT_EQ(h.name, c.name) << c.line;
    EXPECT_EQ(std::vector<std::string>(h.ports.begin(), h.ports.end()), c.ports) << c.line;
  }
}

// A macro file's logical lines are the whole lines (any terminator, tabs
// as blanks, NULs kept) with each "+" line after them joined on a blank:
// the same wherever lines, terminators and "+" fall against the reader's
// window.
TEST(ReadMacLine, JoinsWholeLinesWhereverTheyFallAgainstTheWindow) {
  ScratchDir dir;
  auto reference = [](File& f, std::string& line) {
    if (!ReadWholeLine(f, line)) return false;
    const char* next = nullptr;
    std::string more;
    while (f.Peek(1, &next) == 1 && next[0] == '+') {
      ReadWholeLine(f, more);
      line += ' ' + more.substr(1);
    }
    return true;
  };
  std::uint32_t seed = 7;
  auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
  const char* const ends[] = {"\n", "\r\n", "\r", "\n\r"};
  for (int file = 0; file < 12; ++file) {
    std::string bytes;
    while (bytes.size() < 140000) {
      if (next() % 3 == 0) bytes += '+';
      // Mostly short lines; some long enough to span the window.
      std::size_t length = next() % 20 == 0 ? next() % 40000 : next() % 60;
      for (std::size_t i = 0; i < length; ++i) {
        const unsigned r = next() % 64;
        bytes += r == 0 ? '\t' : r == 1 ? '\0' : r < 8 ? ' ' : static_cast<char>('a' + r % 26);
      }
      bytes += ends[next() % 4];
    }
    if (file % 2 == 1) bytes.pop_back();  // no terminator at the end
    WriteFileBytes("in.mac", bytes);
    File a;
    File b;
    File c;  // read into a row, as the .mac to VHDL conversion keeps its lines
    ASSERT_TRUE(a.Open("in.mac", File::Mode::kRead));
    ASSERT_TRUE(b.Open("in.mac", File::Mode::kRead));
    ASSERT_TRUE(c.Open("in.mac", File::Mode::kRead));
    std::string got;
    std::string expected;
    Row row;
    for (int line = 0;; ++line) {
      const bool more = ReadMacLine(a, got);
      ASSERT_EQ(more, reference(b, expected)) << file << " " << line;
      row.Clear();
      ASSERT_EQ(AppendMacLine(c, row), more) << file << " " << line;
      if (!more) break;
      ASSERT_EQ(got, expected) << file << " " << line;
      ASSERT_EQ(row.View(), expected) << file << " " << line;
    }
  }
}

TEST(IsSupplyName, ExactlyTheSixForms) {
  for (const char* name : {"vdd", "gnd", "Vdd", "Gnd", "VDD", "GND"}) EXPECT_TRUE(IsSupplyName(name));
  for (const char* name : {"vDD", "gND", "vdd ", "", "vss", "vdd gnd"}) EXPECT_FALSE(IsSupplyName(name));
}

}  // namespace
}  // namespace kalvor
