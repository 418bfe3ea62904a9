#include "import/edif_tokens.h"

#include <algorithm>
#include <cstring>

#include "text/blank_scan.h"
#include "text/lineio.h"

namespace kalvor {

namespace {

constexpr std::size_t kChunk = 1 << 16;   // bytes read at a time: small enough to stay in cache
constexpr std::size_t kSample = 1 << 20;  // bytes looked at for the layout

bool IsLineEnd(char c) { return c == '\r' || c == '\n' || c == '\0'; }

// Characters that end a word: 1 for blank and double quote, 2 for parentheses.
struct Delimiters {
  unsigned char kind[256] = {};
  constexpr Delimiters() {
    kind[static_cast<unsigned char>(' ')] = 1;
    kind[static_cast<unsigned char>('"')] = 1;
    kind[static_cast<unsigned char>('(')] = 2;
    kind[static_cast<unsigned char>(')')] = 2;
  }
};
constexpr Delimiters kDelimiters;

inline unsigned DelimiterKind(char c) { return kDelimiters.kind[static_cast<unsigned char>(c)]; }

// The first delimiter at or after `p`, or `end`.
inline const char* WordEnd(const char* p, const char* end) {
  return FirstOfOrEnd<' ', '"', '(', ')'>(p, end);
}

// The double quote closing the string that `text` begins with, or npos.
inline std::size_t ClosingQuote(std::string_view text) {
  const char* end = text.data() + text.size();
  const char* q = FirstOfOrEnd<'"'>(text.data() + 1, end);
  return q == end ? std::string_view::npos : static_cast<std::size_t>(q - text.data());
}

// EDIF keywords that can open a list, in lower case.
constexpr std::string_view kKeywords[] = {
    "acload", "after", "annotate", "apply", "arc", "array", "arraymacro", "arrayrelatedinfo",
    "arraysite", "atleast", "atmost", "author", "basearray", "becomes", "between", "boolean",
    "booleandisplay", "booleanmap", "borderpattern", "borderwidth", "boundingbox", "cell",
    "cellref", "celltype", "change", "circle", "color", "comment", "commentgraphics", "compound",
    "connectlocation", "contents", "cornertype", "criticality", "currentmap", "curve", "cycle",
    "dataorigin", "dcfaninload", "dcfanoutload", "dcmaxfanin", "dcmaxfanout", "delay", "delta",
    "derivation", "design", "designator", "difference", "direction", "display", "dominates",
    "dot", "duration", "e", "edif", "ediflevel", "edifversion", "enclosuredistance", "endtype",
    "entry", "event", "exactly", "external", "fabricate", "false", "figure", "figurearea",
    "figuregroup", "figuregroupobject", "figuregroupoverride", "figuregroupref", "figureperimeter",
    "figurewidth", "fillpattern", "follow", "forbiddenevent", "globalportref", "greaterthan",
    "gridmap", "ignore", "includefiguregroup", "initial", "instance", "instancebackannotate",
    "instancegroup", "instancemap", "instanceref", "integer", "integerdisplay", "interface",
    "interfiguregroupspacing", "intersection", "intrafiguregroupspacing", "inverse", "isolated",
    "joined", "justify", "keyworddisplay", "keywordlevel", "keywordmap", "lessthan", "library",
    "libraryref", "listofnets", "listofports", "loaddelay", "logicassign", "logicinput",
    "logiclist", "logicmapinput", "logicmapoutput", "logiconeof", "logicoutput", "logicport",
    "logicref", "logicvalue", "logicwaveform", "maintain", "match", "member", "minomax",
    "minomaxdisplay", "mnm", "multiplevalueset", "mustjoin", "name", "net", "netbackannotate",
    "netbundle", "netdelay", "netgroup", "netmap", "netref", "nochange", "nonpermutable",
    "notallowed", "notchspacing", "number", "numberdefinition", "numberdisplay", "offpageconnector",
    "offsetevent", "openshape", "orientation", "origin", "overhangdistance", "overlapdistance",
    "oversize", "owner", "page", "pagesize", "parameter", "parameterassign", "parameterdisplay",
    "path", "pathdelay", "pathwidth", "permutable", "physicaldesignrule", "plug", "point",
    "pointdisplay", "pointlist", "polygon", "port", "portbackannotate", "portbundle", "portdelay",
    "portgroup", "portimplementation", "portinstance", "portlist", "portlistalias", "portmap",
    "portref", "program", "property", "propertydisplay", "protectionframe", "pt", "rangevector",
    "rectangle", "rectanglesize", "rename", "resolves", "scale", "scalex", "scaley", "section",
    "shape", "simulate", "simulationinfo", "singlevalueset", "site", "socket", "socketset",
    "status", "steady", "string", "stringdisplay", "strong", "symbol", "symmetry", "table",
    "tabledefault", "technology", "textheight", "timeinterval", "timestamp", "timing",
    "transform", "transition", "trigger", "true", "unconstrained", "undefined", "union", "unit",
    "unused", "userdata", "version", "view", "viewlist", "viewmap", "viewref", "viewtype",
    "visible", "voltagemap", "wavevalue", "weak", "weakjoined", "when", "written"};

bool IsEdifKeyword(std::string_view word) {
  if (word.empty() || word.size() > 26) return false;
  char lower[32];
  for (std::size_t i = 0; i < word.size(); ++i) {
    char c = word[i];
    lower[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  std::string_view w(lower, word.size());
  return std::binary_search(std::begin(kKeywords), std::end(kKeywords), w);
}

}  // namespace

bool BlankDropped(std::string_view keyword, std::string_view right) {
  if (keyword.empty() || right.empty() || DelimiterKind(right[0]) != 0) return false;
  if (!IsEdifKeyword(keyword)) return false;
  std::size_t n = 0;
  while (n < right.size() && DelimiterKind(right[n]) == 0) ++n;
  std::string joined(keyword);
  joined.append(right.substr(0, n));
  return !IsEdifKeyword(joined);
}

// Whether a blank was lost between the first argument of a member or array
// list at the end of `left` and a number closing the list at the start of
// `right`: "(member q" + "0))" can only be "(member q 0))".
bool IndexSplitOff(std::string_view left, std::string_view right) {
  std::size_t n = 0;
  while (n < right.size() && right[n] >= '0' && right[n] <= '9') ++n;
  if (n == 0 || n == right.size() || right[n] != ')') return false;
  std::size_t arg = left.size();
  while (arg > 0 && DelimiterKind(left[arg - 1]) == 0) --arg;
  if (arg == left.size() || arg < 2 || left[arg - 1] != ' ') return false;
  std::size_t key_end = arg - 1;
  while (key_end > 0 && left[key_end - 1] == ' ') --key_end;
  std::size_t key = key_end;
  while (key > 0 && DelimiterKind(left[key - 1]) == 0) --key;
  if (key == 0 || left[key - 1] != '(') return false;
  std::string_view word = left.substr(key, key_end - key);
  auto same = [&](std::string_view k) {
    if (word.size() != k.size()) return false;
    for (std::size_t i = 0; i < k.size(); ++i) {
      if ((static_cast<unsigned char>(word[i]) | 0x20u) != static_cast<unsigned char>(k[i])) return false;
    }
    return true;
  };
  return same("member") || same("array");
}

bool EdifLineSource::Fill(std::size_t need) {
  while (end_ - begin_ < need && !eof_) {
    if (begin_ > 0) {
      std::memmove(buf_.data(), buf_.data() + begin_, end_ - begin_);
      end_ -= begin_;
      begin_ = 0;
    }
    // Room for a chunk, or for the rest of a smaller file. The size is
    // asked once: asking moves the stream to the end and back.
    if (size_ < 0) size_ = file_.Size();
    std::int64_t left = size_ - file_.Tell();
    std::size_t chunk = std::max(kChunk, need - (end_ - begin_));
    if (left >= 0 && static_cast<std::uint64_t>(left) < chunk) {
      chunk = static_cast<std::size_t>(left) + 1;
    }
    if (buf_.size() - end_ < chunk) buf_.resize(std::max(buf_.size() * 2, end_ + chunk));
    // At most a chunk per read, so the file's own buffer stays small.
    std::size_t got = file_.Read(buf_.data() + end_, std::min(chunk, kChunk));
    if (got == 0) eof_ = true;
    end_ += got;
  }
  return end_ - begin_ >= need;
}

bool EdifLineSource::Next(std::string_view& line) {
  std::size_t scanned = 0;  // bytes from begin_ known to hold no line end
  bool tab = false;         // whether a tab may come in them
  for (;;) {
    const char* p = buf_.data() + begin_;
    std::size_t avail = end_ - begin_;
    bool tab_here = false;
    std::size_t i = scanned + FindLineEnd(p + scanned, avail - scanned, /*nul_ends=*/true, &tab_here);
    tab = tab || tab_here;
    if (i < avail) {
      // Make sure the byte after a CR or LF is here to see a pair.
      if (p[i] != '\0' && i + 1 == avail && !eof_) {
        scanned = i;
        Fill(avail + 1);
        continue;
      }
      std::size_t term = 1;
      if (i + 1 < avail && ((p[i] == '\r' && p[i + 1] == '\n') ||
                            (p[i] == '\n' && p[i + 1] == '\r'))) {
        term = 2;
      }
      char* q = buf_.data() + begin_;
      if (tab) TabsToBlanks(q, i);
      line = std::string_view(q, i);
      begin_ += i + term;
      ++lines_;
      return true;
    }
    if (eof_) {
      if (avail == 0) return false;
      char* q = buf_.data() + begin_;
      if (tab) TabsToBlanks(q, avail);
      line = std::string_view(q, avail);
      begin_ = end_;
      ++lines_;
      return true;
    }
    scanned = avail;
    Fill(avail + kChunk);
  }
}

bool EdifLineSource::LooksFixedWidth(std::size_t width) {
  Fill(kSample);
  const char* p = buf_.data() + begin_;
  std::size_t avail = std::min(end_ - begin_, kSample);
  std::size_t lines = 0, exact = 0, near = 0, start = 0;
  for (std::size_t i = 0; i < avail; ++i) {
    if (!IsLineEnd(p[i])) continue;
    std::size_t len = i - start;
    if (len > width) return false;
    ++lines;
    if (len == width) ++exact;
    if (len + 12 >= width) ++near;
    if (p[i] != '\0' && i + 1 < avail &&
        ((p[i] == '\r' && p[i + 1] == '\n') || (p[i] == '\n' && p[i + 1] == '\r'))) {
      ++i;
    }
    start = i + 1;
  }
  if (avail - start > width) return false;
  // Streams wrapped inside words break most lines at the full width;
  // streams wrapped at blanks break most lines near it. Ordinary files
  // have hardly any line of exactly that length and few near it.
  return (exact >= 2 && exact * 4 >= lines) || (exact >= 1 && lines >= 4 && near * 2 >= lines);
}

EdifTokens::EdifTokens(File& file) : lines_(file) {
  fixed_width_ = lines_.LooksFixedWidth(80);
}

bool EdifTokens::NextLine(std::string_view& line) {
  if (!fixed_width_) return lines_.Next(line);
  // A line of the full width continues directly on the next one; a shorter
  // one ended at a blank, which the trailing blank stands for.
  std::string_view piece;
  if (!lines_.Next(piece)) return false;
  wide_.assign(piece);
  bool quoted = std::count(piece.begin(), piece.end(), '"') % 2 != 0;
  while (piece.size() == 80 && lines_.Next(piece)) {
    // The keyword at the end of the line so far, if it follows a "(".
    std::size_t start = wide_.size();
    while (start > 0 && DelimiterKind(wide_[start - 1]) == 0) --start;
    if (!quoted && start > 0 && start < wide_.size() &&
        ((wide_[start - 1] == '(' && BlankDropped(std::string_view(wide_).substr(start), piece)) ||
         IndexSplitOff(wide_, piece))) {
      wide_.push_back(' ');
    }
    wide_.append(piece);
    if (std::count(piece.begin(), piece.end(), '"') % 2 != 0) quoted = !quoted;
  }
  if (piece.size() != 80) wide_.push_back(' ');
  line = wide_;
  return true;
}

bool EdifTokens::AppendNextLine(std::string_view head_word) {
  const std::string head(head_word);  // the line source may move its text
  scratch_.assign(rest_);
  std::string_view line;
  if (!NextLine(line)) {
    joined_.swap(scratch_);
    rest_ = joined_;
    return false;
  }
  if (BlankDropped(head, line)) scratch_.push_back(' ');
  scratch_.append(line);
  joined_.swap(scratch_);
  rest_ = joined_;
  return true;
}

bool EdifTokens::SkipListInLine() {
  const char* p = rest_.data();
  const char* const end = p + rest_.size();
  for (int open = 1; (p = FirstOfOrEnd<'(', ')', '"'>(p, end)) != end;) {
    if (*p == '"') {
      p = FirstOfOrEnd<'"'>(p + 1, end);
      if (p == end) return false;
    } else if (*p == '(') {
      ++open;
    } else if (--open == 0) {
      Taken(static_cast<std::size_t>(p + 1 - rest_.data()), -1);
      return true;
    }
    ++p;
  }
  return false;
}

EdifTokens::Kind EdifTokens::NextWord(std::string_view& text) {
  // A word ended in this line by a blank or a double quote, or by
  // parentheses that a blank, a double quote or the line's end follows,
  // stands as it is (see NextToken).
  const char* const begin = rest_.data();
  const char* const line_end = begin + rest_.size();
  if (*begin != '"') {
    const char* const end = WordEnd(begin, line_end);
    const char* after = end;
    while (after != line_end && (*after == '(' || *after == ')')) ++after;
    if (end != line_end && (after == line_end || *after == ' ' || *after == '"')) {
      const auto n = static_cast<std::size_t>(end - begin);
      text = std::string_view(begin, n);
      rest_.remove_prefix(n);
      after_open_ = false;
      return Kind::kWord;
    }
  }
  return NextToken(text);
}

EdifTokens::Kind EdifTokens::NextToken(std::string_view& text) {
  if (unclosed_quote_) return Kind::kNone;
  for (;;) {
    rest_.remove_prefix(BlanksAhead(rest_));
    if (rest_.empty()) {
      if (!NextLine(rest_)) return Kind::kNone;
      continue;
    }
    char c = rest_[0];
    if (c == '(' || c == ')') {
      text = rest_.substr(0, 1);
      rest_.remove_prefix(1);
      after_open_ = c == '(';
      if (c == '(') {
        ++depth_;
        return Kind::kOpen;
      }
      --depth_;
      return Kind::kClose;
    }
    if (c == '"') {
      std::size_t close = ClosingQuote(rest_);
      if (close == std::string_view::npos) {
        AppendNextLine();
        close = ClosingQuote(rest_);
      }
      if (close == std::string_view::npos) {
        unclosed_quote_ = true;
        unclosed_text_.assign(rest_);
        return Kind::kNone;
      }
      text = rest_.substr(0, close + 1);
      rest_.remove_prefix(close + 1);
      after_open_ = false;
      return Kind::kQuoted;
    }
    // The word ends at the first delimiter. When no blank or double quote
    // follows in the buffered text, the next line is joined on first.
    const char* const line_end = rest_.data() + rest_.size();
    std::size_t end = static_cast<std::size_t>(WordEnd(rest_.data(), line_end) - rest_.data());
    std::size_t look = end;
    bool word_follows = false;  // a further word before the next blank
    for (; look < rest_.size(); ++look) {
      unsigned kind = DelimiterKind(rest_[look]);
      if (kind == 1) break;
      if (kind == 0) word_follows = true;
    }
    // When only parentheses follow the word, joining the next line changes
    // no token: the line is read when the parentheses are used up.
    if (look == rest_.size() && (end == rest_.size() || word_follows)) {
      bool open_end = end == rest_.size();
      AppendNextLine(open_end && after_open_ ? rest_ : std::string_view());
      if (open_end) {
        end = static_cast<std::size_t>(WordEnd(rest_.data() + end, rest_.data() + rest_.size()) -
                                       rest_.data());
      }
    }
    text = rest_.substr(0, end);
    rest_.remove_prefix(end);
    after_open_ = false;
    return Kind::kWord;
  }
}

}  // namespace kalvor
