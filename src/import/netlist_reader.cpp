#include "import/netlist_reader.h"

#include <algorithm>
#include <cstring>

#include "text/blank_scan.h"
#include "text/strings.h"

namespace kalvor {

void NoteWiredTogether(Netlist& netlist, const std::string& cell, const std::string& net,
                       const std::string& port, long line) {
  // Large designs wire many ports together: the text is put together by
  // appends, which printf's formatting of each made slow. A name ends at
  // its first NUL, as "%s" would end it.
  auto c_text = [](const std::string& s) {
    return std::string_view(s.data(), static_cast<std::size_t>(std::find(s.begin(), s.end(), '\0') - s.begin()));
  };
  constexpr std::string_view kHead = "The following ports of cell ";
  constexpr std::string_view kWired = " appear to be wired together:\n\n   ";
  constexpr std::string_view kTail =
      "\n\nMore than one port per signal is not allowed.\nTry  Add I/O's option on your synthesizer.";
  const std::string_view c = c_text(cell), a = c_text(net), b = c_text(port);
  std::string text;
  text.reserve(kHead.size() + c.size() + kWired.size() + a.size() + 4 + b.size() + kTail.size());
  text.append(kHead).append(c).append(kWired).append(a).append("\n   ").append(b).append(kTail);
  netlist.Note(Diagnostic::Severity::kWarning, "wired together", std::move(text), "Warning:", line);
}

bool MentionsVcc(std::string_view text) {
  auto name_char = [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           c == '_' || c == '$' || c == '&' || c == '"';
  };
  // The list keyword before position `end`, blanks passed over: "port" for
  // "(port ".
  auto keyword_before = [&](std::size_t end) {
    while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == '\t' || text[end - 1] == '\r' ||
                       text[end - 1] == '\n')) {
      --end;
    }
    std::size_t start = end;
    while (start > 0 && name_char(text[start - 1])) --start;
    if (start == 0 || text[start - 1] != '(') return std::pair(std::string_view(), start);
    return std::pair(text.substr(start, end - start), start - 1);
  };
  // Candidates are found by the first letter, a "v" in either case (a
  // letter netlists use a few times less than "c").
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  for (const char* v = FirstOfOrEnd<'v', 'V'>(begin, end); v != end;
       v = FirstOfOrEnd<'v', 'V'>(v + 1, end)) {
    const std::size_t at = static_cast<std::size_t>(v - begin);
    if (at + 2 >= text.size() || (text[at + 1] | 0x20) != 'c' || (text[at + 2] | 0x20) != 'c') {
      continue;
    }
    if (at > 0 && name_char(text[at - 1])) continue;
    if (at + 3 < text.size() && name_char(text[at + 3])) continue;
    // Only the name of a port or a net counts: "(port VCC", "(net (rename VCC".
    auto [keyword, before] = keyword_before(at);
    if (EqualNoCase(keyword, "rename") || EqualNoCase(keyword, "name")) {
      keyword = keyword_before(before).first;
    }
    if (EqualNoCase(keyword, "port") || EqualNoCase(keyword, "net")) return true;
  }
  return false;
}

unsigned CellUsesHints(std::string_view text) {
  unsigned hints = 0;
  auto word_at = [&](std::size_t& i) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n')) ++i;
    const std::size_t start = i;
    while (i < text.size() && text[i] != ' ' && text[i] != '\t' && text[i] != '\r' &&
           text[i] != '\n' && text[i] != '(' && text[i] != ')') {
      ++i;
    }
    return text.substr(start, i - start);
  };
  // Only a list whose keyword begins with e, or is "port", can count (blanks
  // may come first): the others are passed over by their first bytes.
  const char* const end = text.data() + text.size();
  auto lower = [&](const char* q) { return q < end ? static_cast<char>(*q | 0x20) : '\0'; };
  auto ends_word = [&](const char* q) {
    return q >= end || *q == ' ' || *q == '\t' || *q == '\r' || *q == '\n' || *q == '(' || *q == ')';
  };
  for (const char* open = FirstOfOrEnd<'('>(text.data(), end); open != end;
       open = FirstOfOrEnd<'('>(open, end)) {
    ++open;
    const char c = lower(open);
    if (c == 'p') {
      if (lower(open + 1) != 'o' || lower(open + 2) != 'r' || lower(open + 3) != 't' ||
          !ends_word(open + 4)) {
        continue;
      }
    } else if (c != 'e' && c != '\0' && *open != ' ' && *open != '\t' && *open != '\r' &&
               *open != '\n') {
      continue;
    }
    std::size_t i = static_cast<std::size_t>(open - text.data());
    const std::string_view keyword = word_at(i);
    if (keyword.size() == 8 && EqualNoCase(keyword, "external")) return kUsesNeeded | hints;
    if (keyword.size() != 4 || !EqualNoCase(keyword, "port")) continue;
    std::string_view name = word_at(i);
    if (name.empty() && i < text.size() && text[i] == '(') {  // (rename NAME ...) or (name NAME)
      ++i;
      word_at(i);
      name = word_at(i);
    }
    if (IsSupplyName(name)) return kUsesNeeded | hints;
    if (EqualNoCase(name, "VCC")) hints |= kVccPort;
  }
  return hints;
}

}  // namespace kalvor
