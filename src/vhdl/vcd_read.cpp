#include "vhdl/vcd_read.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <unordered_map>

#include "text/lineio.h"
#include "text/strings.h"

namespace kalvor {

namespace {

// Longer words are no part of a dump (names, values and codes are far shorter).
constexpr std::size_t kLongestWord = std::size_t{1} << 16;

struct Column {
  std::string name;
  bool vector = false;  // declared wider than one bit
  bool real = false;
  std::string value = "x";  // the literal, the bits, or the real's text
};

// The words of a line (blanks and tabs between them).
std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  for (;;) {
    std::string_view w = NextName(line);
    if (w.empty()) return words;
    words.push_back(w);
  }
}

// ns per unit of a timescale such as "1 fs", "10ps", "1 ns"; 0 when it is none.
double NsPerTick(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
  double number = i == 0 ? 0 : std::atof(text.substr(0, i).c_str());
  std::string unit = ToLower(text.substr(text.find_first_not_of(' ', i) == std::string::npos
                                             ? text.size()
                                             : text.find_first_not_of(' ', i)));
  static const struct {
    const char* unit;
    double ns;
  } kUnits[] = {{"s", 1e9}, {"ms", 1e6}, {"us", 1e3}, {"ns", 1}, {"ps", 1e-3}, {"fs", 1e-6}};
  for (const auto& u : kUnits) {
    if (unit == u.unit) return number * u.ns;
  }
  return 0;
}

// printf's "%.*f" of `value`, whole: the largest double has 309 digits.
std::string Fixed(double value, int decimals) {
  char buf[330];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
  return buf;
}

std::string Volts(const Column& c, const TraceScale& scale) {
  if (c.real) return "\t" + Fixed(std::atof(c.value.c_str()), 6);
  if (!c.vector) {
    char v = c.value.empty() ? 'x' : c.value[0];
    return v == '0' || v == 'L' || v == 'l' ? "\t0.0" : "\t" + scale.supply_text;
  }
  // A value shorter than its width stands for one extended on the left with
  // 0 (x and z with themselves), bits that count 0.
  double count = 0;
  for (char b : c.value) count = count * 2 + (b == '1' || b == 'H' || b == 'h' ? 1 : 0);
  float volts = static_cast<float>(count) / scale.counts_per_volt;
  if (scale.limit) {
    if (!(volts > 0.0f)) volts = 0.0f;
    if (volts > scale.supply) volts = scale.supply;
  }
  return "\t" + Fixed(volts, 6);
}

std::string TimeText(double ns) {
  std::string t = Fixed(ns, 6);
  while (t.back() == '0') t.pop_back();
  if (t.back() == '.') t.pop_back();
  return t;
}

}  // namespace

std::string ReadVcdTrace(File& in, const TraceScale& scale, File& out) {
  std::vector<Column> columns;
  std::unordered_map<std::string, std::vector<std::size_t>> by_id;
  std::vector<std::string> scopes;
  double ns_per_tick = 0;
  bool definitions = true;
  bool any_time = false;
  unsigned long long time = 0;
  std::string pending;  // the words of a keyword that has some meaning, up to its "$end"
  std::string keyword;
  std::string line;     // a row of the .out
  LineCursor cursor(in);
  bool more = cursor.NextLine();
  std::string w;        // the word being read, and the line it stands on
  long number = 0;
  // The next word of the dump, wherever it stands: 1, 0 at the end, -1
  // when it is too long to be anything of a dump.
  auto next_word = [&]() {
    for (; more; more = cursor.NextLine()) {
      cursor.SkipBlanks();
      if (cursor.Peek() < 0) continue;
      number = cursor.Number();
      w.clear();
      return cursor.Word(w, kLongestWord) > kLongestWord ? -1 : 1;
    }
    return 0;
  };
  auto row = [&]() {
    line = TimeText(static_cast<double>(time) * ns_per_tick);
    for (const Column& c : columns) line += Volts(c, scale);
    WriteLine(out, line);
  };
  auto problem = [&number](const std::string& what) {
    return "Line " + std::to_string(number) + ": " + what;
  };
  auto too_long = [&problem]() {
    return problem("a word of more than " + std::to_string(kLongestWord) + " characters.");
  };
  for (int got; (got = next_word()) != 0;) {
    if (got < 0) return too_long();
    if (definitions || !keyword.empty()) {
      // Keywords and their words up to "$end".
      if (keyword.empty()) {
        if (w[0] != '$' && definitions) {
          return problem("\"" + w + "\" where a $ keyword is expected.");
        }
        keyword = w;
        pending.clear();
        continue;
      }
      if (w != "$end") {
        // Only these keywords' words are kept ($date, $comment and the
        // like may run on).
        if (keyword == "$timescale" || keyword == "$scope" || keyword == "$var") {
          if (pending.size() > kLongestWord) {
            return problem("a " + keyword + " of more than " + std::to_string(kLongestWord) +
                           " characters.");
          }
          pending += pending.empty() ? "" : " ";
          pending += w;
        }
        continue;
      }
      std::vector<std::string_view> args = Words(pending);
      if (keyword == "$timescale") {
        ns_per_tick = NsPerTick(pending);
        if (!(ns_per_tick > 0 && std::isfinite(ns_per_tick)))
          return problem("the timescale \"" + pending + "\" is not one of VCD.");
      } else if (keyword == "$scope") {
        scopes.emplace_back(args.size() > 1 ? args[1] : std::string_view("scope"));
      } else if (keyword == "$upscope") {
        if (!scopes.empty()) scopes.pop_back();
      } else if (keyword == "$var") {
        if (args.size() < 4) return problem("a $var without type, size, code and name.");
        Column c;
        unsigned long long width = 0;
        const auto [end, ec] = std::from_chars(args[1].data(), args[1].data() + args[1].size(), width);
        c.vector = ec == std::errc::result_out_of_range || (ec == std::errc() && width > 1);
        c.real = args[0] == "real";
        for (std::size_t s = 1; s < scopes.size(); ++s) c.name += scopes[s] + ".";
        for (std::size_t k = 3; k < args.size(); ++k) c.name += args[k];
        by_id[std::string(args[2])].push_back(columns.size());
        columns.push_back(std::move(c));
      } else if (keyword == "$enddefinitions") {
        definitions = false;
        if (ns_per_tick <= 0) ns_per_tick = 1;
        line = "time";
        for (const Column& c : columns) line += " " + c.name;
        WriteLine(out, line);
      }
      keyword.clear();
      continue;
    }
    // Value changes.
    if (w[0] == '$') {
      if (w != "$end") keyword = w == "$comment" ? w : std::string();
      continue;
    }
    if (w[0] == '#') {
      const std::string digits = w.substr(1);
      unsigned long long t = 0;
      const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), t);
      if (ec == std::errc::result_out_of_range && end == digits.data() + digits.size()) {
        return problem("the time " + digits + " is larger than " +
                       std::to_string(std::numeric_limits<unsigned long long>::max()) + ".");
      }
      if (ec != std::errc() || end != digits.data() + digits.size())
        return problem("the time \"" + digits + "\" is not a number.");
      if (any_time && t < time) return problem("the time " + digits + " is earlier than the one before.");
      if (any_time && t != time) row();
      any_time = true;
      time = t;
      continue;
    }
    std::string value;
    if (w[0] == 'b' || w[0] == 'B' || w[0] == 'r' || w[0] == 'R') {
      // The code is the next word, on the same line.
      value = w.substr(1);
      const long at = number;
      const int code = next_word();
      if (code < 0) return too_long();
      if (code == 0 || number != at) {
        number = at;
        return problem("a vector value without its code.");
      }
      auto it = by_id.find(w);
      if (it == by_id.end()) return problem("the code \"" + w + "\" has no $var.");
      for (std::size_t k : it->second) columns[k].value = value;
      continue;
    }
    value.assign(1, w[0]);
    auto it = by_id.find(w.substr(1));
    if (it == by_id.end()) return problem("the code \"" + w.substr(1) + "\" has no $var.");
    for (std::size_t k : it->second) columns[k].value = value;
  }
  if (definitions) {
    number = std::max(cursor.Number(), 1L);  // the last line
    return problem("the dump ends before $enddefinitions.");
  }
  if (any_time) row();
  return std::string();
}

}  // namespace kalvor
