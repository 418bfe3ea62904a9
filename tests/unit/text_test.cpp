#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "support/scripted_platform.h"
#include "text/blank_scan.h"
#include "text/file.h"
#include "text/find_text.h"
#include "text/large_block.h"
#include "text/lineio.h"
#include "text/name_set.h"
#include "text/strings.h"

namespace kalvor {
namespace {

using testing::ReadFileBytes;
using testing::ScratchDir;
using testing::ScriptedUi;
using testing::WriteFileBytes;

// All lines ReadLine gives for `bytes` with read size `size`.
std::vector<std::string> Lines(const std::string& bytes, int size) {
  ScratchDir dir;
  WriteFileBytes("in.txt", bytes);
  File f;
  EXPECT_TRUE(f.Open("in.txt", File::Mode::kRead));
  std::vector<std::string> lines;
  std::vector<char> buf(static_cast<std::size_t>(size) + 1);
  for (int guard = 0; guard < 1000000; ++guard) {
    int n = ReadLine(f, buf.data(), size);
    if (n == 0) break;
    EXPECT_EQ(static_cast<std::size_t>(n), std::string(buf.data()).size() + 1);
    lines.emplace_back(buf.data());
  }
  return lines;
}

using V = std::vector<std::string>;

TEST(ReadLine, TerminatorsOfEveryKind) {
  EXPECT_EQ(Lines("a\r\n\r\nb", 255), (V{"a", "", "b"}));
  EXPECT_EQ(Lines("a\n\rb", 255), (V{"a", "b"}));
  EXPECT_EQ(Lines("a\rb\nc", 255), (V{"a", "b", "c"}));
  EXPECT_EQ(Lines("a\r\r\nb", 255), (V{"a", "", "b"}));
  EXPECT_EQ(Lines("a\n\nb\n", 255), (V{"a", "", "b"}));
  EXPECT_EQ(Lines("", 255), V{});
}

TEST(ReadLine, TabsBecomeBlanks) { EXPECT_EQ(Lines("x\ty\n", 255), V{"x y"}); }

TEST(ReadLine, LongLineIsCutAndTheNextByteSkipped) {
  EXPECT_EQ(Lines("abcdefgh", 4), (V{"abcd", "fgh"}));
}

TEST(ReadLine, CrLfSplitAcrossChunkGivesEmptyLine) {
  // "abc\r" fills the 4-byte chunk; the LF is read as an empty line.
  EXPECT_EQ(Lines("abc\r\nd", 4), (V{"abc", "", "d"}));
}

TEST(ReadLine, NulEndsTheLineAndIsSkipped) {
  EXPECT_EQ(Lines(std::string("ab\0cd\nef", 8), 255), (V{"ab", "cd", "ef"}));
}

TEST(ReadLine, StringFormMatchesBufferForm) {
  ScratchDir dir;
  WriteFileBytes("in.txt", "one\r\ntwo\tx\nthree");
  File f;
  ASSERT_TRUE(f.Open("in.txt", File::Mode::kRead));
  std::string line;
  EXPECT_EQ(ReadLine(f, line, 255), 4);
  EXPECT_EQ(line, "one");
  EXPECT_EQ(ReadLine(f, line, 255), 6);
  EXPECT_EQ(line, "two x");
  EXPECT_EQ(ReadLine(f, line, 255), 6);
  EXPECT_EQ(ReadLine(f, line, 255), 0);
}

TEST(ReadLine, ManyLinesAcrossBufferBoundaries) {
  std::string bytes;
  for (int i = 0; i < 20000; ++i) bytes += "line " + std::to_string(i) + "\r\n";
  V lines = Lines(bytes, 255);
  ASSERT_EQ(lines.size(), 20000u);
  EXPECT_EQ(lines[12345], "line 12345");
}

TEST(ReadWholeLine, KeepsOverlongLinesWhole) {
  ScratchDir dir;
  std::string longline(100000, 'x');
  WriteFileBytes("in.txt", longline + "\r\n" + "b\r" + std::string(70000, 'y'));
  File f;
  ASSERT_TRUE(f.Open("in.txt", File::Mode::kRead));
  std::string line;
  ASSERT_TRUE(ReadWholeLine(f, line));
  EXPECT_EQ(line, longline);
  ASSERT_TRUE(ReadWholeLine(f, line));
  EXPECT_EQ(line, "b");
  ASSERT_TRUE(ReadWholeLine(f, line));
  EXPECT_EQ(line.size(), 70000u);
  EXPECT_FALSE(ReadWholeLine(f, line));
}

TEST(ReadWholeLine, CrLfStraddlingItsWindowIsOneTerminator) {
  ScratchDir dir;
  // The window is 32768 bytes: put the CR as its last byte.
  std::string first(32767, 'a');
  WriteFileBytes("in.txt", first + "\r\nz");
  File f;
  ASSERT_TRUE(f.Open("in.txt", File::Mode::kRead));
  std::string line;
  ASSERT_TRUE(ReadWholeLine(f, line));
  EXPECT_EQ(line, first);
  ASSERT_TRUE(ReadWholeLine(f, line));
  EXPECT_EQ(line, "z");
}

TEST(ReadWholeLine, NulBytesPassThrough) {
  ScratchDir dir;
  WriteFileBytes("in.txt", std::string("a\0b\r\n\0\n", 7));
  File f;
  ASSERT_TRUE(f.Open("in.txt", File::Mode::kRead));
  std::string line;
  ASSERT_TRUE(ReadWholeLine(f, line));
  EXPECT_EQ(line, std::string("a\0b", 3));
  ASSERT_TRUE(ReadWholeLine(f, line));
  EXPECT_EQ(line, std::string(1, '\0'));
  EXPECT_FALSE(ReadWholeLine(f, line));
  EXPECT_FALSE(f.ReadFailed());
}

// The line ends and tabs are found many bytes at a time: a line end or a
// tab at every offset of lines around the block sizes, with a tab right
// after the end, reads as byte by byte.
TEST(ReadWholeLine, EndsAndTabsAtEveryOffset) {
  ScratchDir dir;
  for (const char* end : {"\n", "\r\n", "\r"}) {
    for (std::size_t length : {0, 1, 7, 15, 16, 17, 31, 32, 33, 47, 48, 49}) {
      for (std::size_t tab = 0; tab <= length; ++tab) {
        std::string line(length, 'a');
        if (tab < length) line[tab] = '\t';
        WriteFileBytes("in.txt", line + end + "\tb" + std::string(tab, 'c') + "\n");
        std::string expected = line;
        if (tab < length) expected[tab] = ' ';
        File f;
        ASSERT_TRUE(f.Open("in.txt", File::Mode::kRead));
        std::string got;
        ASSERT_TRUE(ReadWholeLine(f, got));
        ASSERT_EQ(got, expected) << length << " " << tab;
        ASSERT_TRUE(ReadWholeLine(f, got));
        ASSERT_EQ(got, " b" + std::string(tab, 'c')) << length << " " << tab;
        ASSERT_FALSE(ReadWholeLine(f, got));
        // ReadLine ends a line at a NUL as well, and skips it.
        if (tab == length) continue;
        line[tab] = '\0';
        EXPECT_EQ(Lines(line + end, 255), (V{line.substr(0, tab), line.substr(tab + 1)}))
            << length << " " << tab;
      }
    }
  }
}

// The 32-bit Windows program's line ends (a word at a time, one pass) are
// those found sixteen or thirty-two bytes at a time, tabs included, for ends, tabs and
// NULs at every offset of texts around both block sizes.
TEST(FindLineEndByWords, AgreesWithFindLineEnd) {
  std::uint32_t seed = 5;
  auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
  for (std::size_t length = 0; length < 70; ++length) {
    for (int round = 0; round < 40; ++round) {
      std::string text(length, 'a');
      for (char& c : text) {
        if (next() % (1 + round % 5 * 10) == 0) c = std::string("\n\r\t\0 x", 6)[next() % 6];
      }
      for (std::size_t from = 0; from <= length; ++from) {
        for (bool nul_ends : {false, true}) {
          bool tab = false;
          bool tab_by_words = false;
          const std::size_t n = text.size() - from;
          ASSERT_EQ(FindLineEndByWords(text.data() + from, n, nul_ends, &tab_by_words),
                    FindLineEnd(text.data() + from, n, nul_ends, &tab))
              << length << " " << round << " " << from << " " << nul_ends;
          ASSERT_EQ(tab_by_words, tab) << length << " " << round << " " << from << " " << nul_ends;
        }
      }
    }
  }
}

// FindText finds what std::string_view::find finds, for needles of one to
// eight bytes in texts of a few letters that hold them none, once or twice,
// at every length around its block.
TEST(FindText, AgreesWithFindOnTextsOfFewLetters) {
  std::uint32_t seed = 7;
  auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
  for (std::string_view needle : {"n", " nc", "nn", " PortPad", ".SUBCKT", "cc c"}) {
    for (std::size_t length = 0; length < 80; ++length) {
      for (int round = 0; round < 20; ++round) {
        std::string text(length, ' ');
        for (char& c : text) c = " ncPortad.SUBCKT"[next() % 16];
        // Half the texts hold the needle somewhere, maybe twice.
        for (int k = 0; k < round % 3 && needle.size() <= length; ++k) {
          text.replace(next() % (length - needle.size() + 1), needle.size(), needle);
        }
        ASSERT_EQ(FindText(text, needle), std::string_view(text).find(needle))
            << "[" << text << "] [" << needle << "]";
      }
    }
  }
}

// FirstOfOrEnd stops where a byte-by-byte search stops, from every start
// in texts around its sixteen- and eight-byte blocks.
TEST(FirstOfOrEnd, AgreesWithAByteSearch) {
  std::uint32_t seed = 11;
  auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
  for (std::size_t length = 0; length < 70; ++length) {
    for (int round = 0; round < 30; ++round) {
      std::string text(length, 'a');
      for (char& c : text) {
        if (next() % (1 + round % 5 * 8) == 0) c = " \t\"()x\xa0"[next() % 7];
      }
      const char* end = text.data() + text.size();
      for (std::size_t from = 0; from <= length; ++from) {
        const char* p = text.data() + from;
        auto first = [&](std::string_view stops) {
          const char* q = p;
          while (q != end && stops.find(*q) == std::string_view::npos) ++q;
          return q;
        };
        ASSERT_EQ((FirstOfOrEnd<' ', '"', '(', ')'>(p, end)), first(" \"()")) << text << " " << from;
        ASSERT_EQ(BlankOrEnd(p, end), first(" \t")) << text << " " << from;
        ASSERT_EQ(FirstOfOrEnd<'\xa0'>(p, end), first("\xa0")) << text << " " << from;
      }
    }
  }
}

// The word scans that may read past `end` (one hashes as it goes) find the
// same end as the blank scan, and the same hash as the index's, for words
// of every length that end at a blank, a tab, `end`, or the end of what
// may be read.
TEST(HashedWord, AgreesWithTheBlankScanAndTheHash) {
  std::uint32_t seed = 7;
  auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
  for (int round = 0; round < 200; ++round) {
    std::string text(next() % 48, 'a');
    for (char& c : text) {
      c = next() % (2 + round % 24) == 0 ? " \t"[next() % 2] : "aBz09_<;\xa0"[next() % 9];
    }
    const char* const readable = text.data() + text.size();
    for (std::size_t from = 0; from <= text.size(); ++from) {
      for (std::size_t to = from; to <= text.size(); ++to) {
        const char* p = text.data() + from;
        const char* end = text.data() + to;
        std::uint32_t hash = 0;
        const char* word_end = HashedWord(p, end, readable, &hash);
        ASSERT_EQ(word_end, BlankOrEnd(p, end)) << text << " " << from << " " << to;
        ASSERT_EQ(BlankOrEndReadable(p, end, readable), word_end) << text << " " << from;
        ASSERT_EQ(hash, NameIndex::Hash(std::string_view(p, word_end - p))) << text << " " << from;
      }
    }
  }
}

TEST(File, ReadErrorIsNotTheEndOfTheFile) {
  // Reading this process's memory from address 0 fails with EIO.
  File f;
  ASSERT_TRUE(f.Open("/proc/self/mem", File::Mode::kRead));
  std::string line;
  EXPECT_FALSE(ReadWholeLine(f, line));
  EXPECT_TRUE(f.ReadFailed());
}

TEST(JoinContinuations, JoinsPlusLinesAndLeavesTheNext) {
  ScratchDir dir;
  WriteFileBytes("in.mac", "a\r\n+b\r\n+c\r\nd\r\n");
  File f;
  ASSERT_TRUE(f.Open("in.mac", File::Mode::kRead));
  std::string line;
  ASSERT_EQ(ReadJoinedLine(f, line, 8190), 2);
  EXPECT_EQ(line, "a b c");
  ASSERT_EQ(ReadJoinedLine(f, line, 8190), 2);
  EXPECT_EQ(line, "d");
  EXPECT_EQ(ReadJoinedLine(f, line, 8190), 0);
}

TEST(JoinContinuations, StopsWhenTheRoomRunsOut) {
  ScratchDir dir;
  WriteFileBytes("in.mac", "abcd\r\n+ef\r\nx\r\n");
  File f;
  ASSERT_TRUE(f.Open("in.mac", File::Mode::kRead));
  std::string line;
  // size 7: room for the continuation is 7 - 4 - 3 = 0.
  ASSERT_EQ(ReadJoinedLine(f, line, 7), 5);
  EXPECT_EQ(line, "abcd");
  ASSERT_EQ(ReadLine(f, line, 255), 4);
  EXPECT_EQ(line, "+ef");
}

TEST(PathHelpers, JoinAndSplitInWindowsStyle) {
  const PathStyle w = PathStyle::kWindows;
  EXPECT_EQ(JoinPath("C:\\x\\", "y", w), "C:\\x\\y");
  EXPECT_EQ(JoinPath("C:\\x", "y", w), "C:\\x\\y");
  EXPECT_EQ(JoinPath("", "y", w), "y");
  std::string p = "C:\\work\\a.mac";
  EXPECT_EQ(SplitPath(p, w), "a.mac");
  EXPECT_EQ(p, "C:\\work");
  p = "C:\\a.mac";
  EXPECT_EQ(SplitPath(p, w), "a.mac");
  EXPECT_EQ(p, "C:");
  p = "C:a.mac";
  EXPECT_EQ(SplitPath(p, w), "a.mac");
  EXPECT_EQ(p, "C");
  p = "a.mac";
  EXPECT_EQ(SplitPath(p, w), "a.mac");
  EXPECT_EQ(p, "a.mac");
}

TEST(PathHelpers, PosixStyle) {
  const PathStyle u = PathStyle::kPosix;
  EXPECT_EQ(JoinPath("/tmp/x", "y", u), "/tmp/x/y");
  std::string p = "/home/d/adder.mac";
  EXPECT_EQ(SplitPath(p, u), "adder.mac");
  EXPECT_EQ(p, "/home/d");
}

TEST(NextWord, SkipsBlanksAndTakesOneSeparator) {
  std::string s = "  alpha beta";
  EXPECT_EQ(NextWord(s), "alpha");
  EXPECT_EQ(s, "beta");
  EXPECT_EQ(NextWord(s), "beta");
  EXPECT_EQ(s, "");
  EXPECT_EQ(NextWord(s), "");
}

TEST(NextWord, OverlongWordDiscardsTheRest) {
  std::string s = std::string(63, 'w') + " next";
  EXPECT_EQ(NextWord(s), "");
  EXPECT_EQ(s, "");
  std::string ok = std::string(62, 'w') + " next";
  EXPECT_EQ(NextWord(ok), std::string(62, 'w'));
  EXPECT_EQ(ok, "next");
}

// Words of every length up to past two eight-byte steps, ended by a blank,
// a tab or the end of the text, among bytes near those two (a high bit set,
// a neighbouring value): NextName ends each where a byte-by-byte scan does.
TEST(NextName, EndsAtTheFirstBlankOrTabOfAnyWordLength) {
  const char fillers[] = {'a', '\x89', '\xA0', '\x08', '!', '\x1F', '\xFF', '\x0A'};
  for (std::size_t length = 1; length <= 20; ++length) {
    for (char filler : fillers) {
      for (std::string end : {" ", "\t", ""}) {
        std::string word;
        for (std::size_t i = 0; i < length; ++i) word += i % 3 == 0 ? filler : 'x';
        std::string line = word + end + (end.empty() ? "" : "next\tone");
        std::string_view rest = line;
        SCOPED_TRACE(::testing::Message() << "length " << length << " filler " << int(filler)
                                        << " end " << end.size());
        EXPECT_EQ(NextName(rest), word);
        EXPECT_EQ(rest, end.empty() ? "" : "next\tone");
      }
    }
  }
}

TEST(StringHelpers, HasContentAndEqualNoCase) {
  EXPECT_FALSE(HasContent(" ; ;"));
  EXPECT_FALSE(HasContent(""));
  EXPECT_TRUE(HasContent(";x"));
  EXPECT_TRUE(EqualNoCase("Internal", "INTERNAL"));
  EXPECT_FALSE(EqualNoCase("Internal", "INTERNALS"));
}

// Every byte value, in every place of the eight, beside bytes that
// would carry into it if the sums spilled over.
TEST(StringHelpers, EightAtATimeCaseAgreesWithOneByteAtATime) {
  for (int place = 0; place < 8; ++place) {
    for (int value = 0; value < 256; ++value) {
      for (int beside : {0x00, 0x7F, 0xFF, int{'Z'}, int{'a'}}) {
        unsigned char bytes[8];
        std::memset(bytes, beside, sizeof bytes);
        bytes[place] = static_cast<unsigned char>(value);
        std::uint64_t w = 0;
        std::memcpy(&w, bytes, 8);
        unsigned char lower[8];
        unsigned char upper[8];
        const std::uint64_t l = LowerEightAscii(w);
        const std::uint64_t u = UpperEightAscii(w);
        std::memcpy(lower, &l, 8);
        std::memcpy(upper, &u, 8);
        for (int i = 0; i < 8; ++i) {
          const char c = static_cast<char>(bytes[i]);
          ASSERT_EQ(static_cast<char>(lower[i]), ToLowerAscii(c)) << value << " at " << i;
          ASSERT_EQ(static_cast<char>(upper[i]), ToUpperAscii(c)) << value << " at " << i;
        }
      }
    }
  }
}

// One digit is written inline, more by the loop: both sides of ten, and
// the widest value.
TEST(StringHelpers, PutDecimalWritesAsToStringDoes) {
  for (unsigned long long value : {0ull, 1ull, 9ull, 10ull, 11ull, 99ull, 100ull, 65535ull,
                                   std::numeric_limits<unsigned long long>::max()}) {
    char text[24];
    char* end = PutDecimal(text, value);
    EXPECT_EQ(std::string(text, end), std::to_string(value));
  }
  std::string out = "x";
  AppendDecimal(out, -7);
  AppendDecimal(out, std::numeric_limits<long>::min());
  EXPECT_EQ(out, "x-7" + std::to_string(std::numeric_limits<long>::min()));
}

TEST(StringHelpers, LeadingIntReadsLikeAtolAndSaturates) {
  EXPECT_EQ(LeadingInt("  -42x"), -42);
  EXPECT_EQ(LeadingInt("+7"), 7);
  EXPECT_EQ(LeadingInt("abc"), 0);
  // Values beyond the range of long clamp to its ends instead of wrapping
  // (the most negative value must not be negated).
  EXPECT_EQ(LeadingInt("-9223372036854775808"), std::numeric_limits<long>::min());
  EXPECT_EQ(LeadingInt("-99999999999999999999999"), std::numeric_limits<long>::min());
  EXPECT_EQ(LeadingInt("99999999999999999999999"), std::numeric_limits<long>::max());
}

TEST(File, CaseInsensitiveFallbackForReading) {
  ScratchDir dir;
  WriteFileBytes("abc.out", "x\n");
  File f;
  EXPECT_TRUE(f.Open("abc.OUT", File::Mode::kRead));
  EXPECT_TRUE(FileExists("ABC.out"));
  WriteFileBytes("ABC.OUT", "y\n");
  // Exact names win; two candidates for another spelling: no guess.
  EXPECT_TRUE(f.Open("abc.OUT", File::Mode::kRead) == false);
  EXPECT_TRUE(f.Open("ABC.OUT", File::Mode::kRead));
}

TEST(File, SeekBackAndOverwriteInWriteMode) {
  ScratchDir dir;
  File f;
  ASSERT_TRUE(f.Open("o.txt", File::Mode::kCreate));
  WriteLine(f, ".eom");
  WriteLine(f, "");
  ASSERT_TRUE(f.Seek(-8, File::Whence::kEnd));
  WriteLine(f, "<PADS PADS");
  WriteLine(f, ".eom");
  f.Close();
  EXPECT_EQ(ReadFileBytes("o.txt"), "<PADS PADS\r\n.eom\r\n");
}

// Blocks around the large-page size are whole (a block of the wrong size
// would fault when its last byte is written), and a table that grows across
// that size keeps its contents.
TEST(LargeBlock, BlocksAroundTheLargePageSizeAndAGrowingTable) {
  constexpr std::size_t kPage = std::size_t{2} << 20;
  for (std::size_t bytes : {std::size_t{1}, std::size_t{4096}, kPage - 1, kPage, kPage + 1,
                            5 * kPage + 12345}) {
    auto* block = static_cast<char*>(AllocateLargeBlock(bytes));
    ASSERT_NE(block, nullptr) << bytes;
    std::memset(block, 0x5a, bytes);
    EXPECT_EQ(block[0], 0x5a);
    EXPECT_EQ(block[bytes - 1], 0x5a) << bytes;
    FreeLargeBlock(block, bytes);
  }
  std::vector<std::uint32_t, LargeBlockAllocator<std::uint32_t>> table;
  for (std::uint32_t i = 0; i < 3000000; ++i) table.push_back(i * 7u);
  std::size_t wrong = 0;
  for (std::uint32_t i = 0; i < table.size(); ++i) wrong += table[i] != i * 7u;
  EXPECT_EQ(wrong, 0u);
}

// An index told to expect far fewer, as many, or far more names than come
// finds every name under its number and none that was not added, also
// across the step where it grows to the expected size at once.
TEST(NameIndex, ExpectedSizeOfAnyGuessKeepsEveryName) {
  constexpr std::uint32_t kNames = 100000;
  std::vector<std::string> names;
  for (std::uint32_t i = 0; i < kNames; ++i) names.push_back("n" + std::to_string(i * 7919u));
  for (std::size_t expected : {std::size_t{0}, std::size_t{1000}, std::size_t{kNames},
                               std::size_t{50} * kNames}) {
    NameIndex index;
    index.Expect(expected);
    for (std::uint32_t i = 0; i < kNames; ++i) index.Add(NameIndex::Hash(names[i]), i);
    std::size_t wrong = 0;
    for (std::uint32_t i = 0; i < kNames; ++i) {
      wrong += index.Find(NameIndex::Hash(names[i]),
                          [&](std::uint32_t n) { return names[n] == names[i]; }) != i;
      const std::string absent = "m" + std::to_string(i);
      wrong += index.Find(NameIndex::Hash(absent), [&](std::uint32_t n) {
        return names[n] == absent;
      }) != NameIndex::kNone;
    }
    EXPECT_EQ(wrong, 0u) << expected;
  }
}

}  // namespace
}  // namespace kalvor
