#include "vhdl/trace_vcd.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>


namespace kalvor {

namespace {

constexpr const char* kTimescales[kMaxTimeDecimals + 1] = {
    "1ns", "100ps", "10ps", "1ps", "100fs", "10fs", "1fs"};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view FirstField(std::string_view line) {
  std::size_t start = 0;
  while (start < line.size() && line[start] == ' ') ++start;
  std::size_t end = start;
  while (end < line.size() && line[end] != ' ') ++end;
  return line.substr(start, end - start);
}

// Splits a plain decimal into its whole part and its decimals; false when
// `text` is not one.
bool SplitDecimal(std::string_view text, std::string_view& whole, std::string_view& frac) {
  std::size_t i = 0;
  while (i < text.size() && IsDigit(text[i])) ++i;
  whole = text.substr(0, i);
  frac = std::string_view();
  if (i < text.size() && text[i] == '.') {
    frac = text.substr(i + 1);
    for (char c : frac)
      if (!IsDigit(c)) return false;
  } else if (i < text.size()) {
    return false;
  }
  return !whole.empty() || !frac.empty();
}

// The identifier codes of VCD: printable characters from '!' to '~'.
std::string IdCode(std::size_t index) {
  std::string code;
  do {
    code.push_back(static_cast<char>('!' + index % 94));
    index /= 94;
  } while (index > 0);
  return code;
}

struct Scope {
  std::string name;
  std::vector<Scope> children;
  std::vector<std::size_t> signals;
};

}  // namespace

int TraceTimeDecimals(std::string_view line) {
  std::string_view whole, frac;
  std::string_view field = FirstField(line);
  if (field.empty() || !SplitDecimal(field, whole, frac)) return -1;
  return frac.size() > static_cast<std::size_t>(kMaxTimeDecimals) ? -1
                                                                   : static_cast<int>(frac.size());
}

VcdWriter::VcdWriter(File& out, std::string_view heading, int decimals)
    : out_(out),
      names_(heading.size() > 8 ? heading.substr(8) : std::string_view()),
      decimals_(decimals < 0 ? 0 : decimals),
      adapt_(decimals < 0) {
  // The names stay in one text: a signal holds where its name stands.
  const std::string_view names = names_;
  std::size_t words = 0;
  for (std::size_t i = 0; i < names.size(); ++i)
    words += names[i] != ' ' && (i == 0 || names[i - 1] == ' ');
  signals_.reserve(words > 0 ? words - 1 : 0);
  bool time_column = true;
  std::size_t i = 0;
  while (i < names.size()) {
    while (i < names.size() && names[i] == ' ') ++i;
    if (i >= names.size()) break;
    std::size_t end = names.find(' ', i);
    if (end == std::string_view::npos) end = names.size();
    std::string_view word = names.substr(i, end - i);
    if (time_column) {
      time_column = false;
      i = end;
      continue;
    }
    Signal s;
    s.at = i;
    s.length = end - i;
    const std::size_t dot = word.rfind('.');
    s.name_from = dot == std::string_view::npos ? 0 : dot + 1;
    const std::string code = IdCode(signals_.size());
    code.copy(s.code, sizeof s.code);
    s.code_size = code.size();
    signals_.push_back(std::move(s));
    i = end;
  }
  // Room for a block of rows and one more row whole: its time and every
  // signal's value with its code and line end.
  text_.resize(kBlock + 32 + signals_.size() * (sizeof(TraceText::real) + 8 + 1));
  at_ = text_.data();
}

bool VcdWriter::WriteHeader() {
  header_written_ = true;
  Scope root;
  for (std::size_t k = 0; k < signals_.size(); ++k) {
    const Signal& s = signals_[k];
    // The scopes are the name's parts before its last ".", or "trace".
    std::string_view scopes = std::string_view(names_).substr(s.at, s.name_from);
    if (scopes.empty()) scopes = "trace.";
    Scope* at = &root;
    for (std::size_t from = 0, dot; (dot = scopes.find('.', from)) != std::string_view::npos;
         from = dot + 1) {
      const std::string_view name = scopes.substr(from, dot - from);
      // Signals of one scope mostly stand together: its last child first.
      Scope* next = !at->children.empty() && at->children.back().name == name
                        ? &at->children.back()
                        : nullptr;
      for (Scope& c : at->children)
        if (next == nullptr && c.name == name) next = &c;
      if (next == nullptr) {
        at->children.push_back(Scope{std::string(name), {}, {}});
        next = &at->children.back();
      }
      at = next;
    }
    at->signals.push_back(k);
  }
  // Written a part at a time: a heading of many signals makes a long header.
  bool ok = true;
  std::string text = "$version Kalvor trace conversion $end\n$timescale ";
  text += kTimescales[decimals_];
  text += " $end\n";
  auto emit = [&](auto& self, const Scope& scope) -> void {
    for (std::size_t k : scope.signals) {
      const Signal& s = signals_[k];
      text += s.logic ? "$var wire 1 " : "$var real 64 ";
      text.append(s.code, s.code_size);
      text += ' ';
      text += std::string_view(names_).substr(s.at + s.name_from, s.length - s.name_from);
      text += " $end\n";
      if (text.size() >= (1u << 16)) {
        ok = out_.Write(text) && ok;
        text.clear();
      }
    }
    for (const Scope& c : scope.children) {
      text += "$scope module " + c.name + " $end\n";
      self(self, c);
      text += "$upscope $end\n";
    }
  };
  emit(emit, root);
  text += "$enddefinitions $end\n";
  return out_.Write(text) && ok;
}

bool VcdWriter::BeginRow(std::string_view time) {
  if (!failure_.empty()) return false;
  std::string_view whole, frac;
  std::uint64_t units = 0;
  bool number = SplitDecimal(time, whole, frac);
  if (adapt_) {
    adapt_ = false;
    decimals_ = std::max(0, TraceTimeDecimals(time));
  }
  number = number && frac.size() <= static_cast<std::size_t>(decimals_);
  constexpr std::uint64_t kLimit = std::numeric_limits<std::uint64_t>::max() / 10 - 9;
  for (std::size_t k = 0; number && k < whole.size() + decimals_; ++k) {
    char c = k < whole.size() ? whole[k]
             : k - whole.size() < frac.size() ? frac[k - whole.size()]
                                              : '0';
    if (units >= kLimit) number = false;
    units = units * 10 + static_cast<std::uint64_t>(c - '0');
  }
  if (!number) {
    failure_ = "the time \"" + std::string(time) + "\" is not a number of ns";
    return false;
  }
  if (any_time_ && units < last_time_) {
    failure_ = "the time " + std::string(time) + " is earlier than the row before it";
    return false;
  }
  if (header_written_ && at_ - text_.data() >= static_cast<std::ptrdiff_t>(kBlock)) Flush();
  if (!any_time_ || units != last_time_) {
    *at_++ = '#';
    auto [end, ec] = std::to_chars(at_, at_ + 24, units);
    if (ec == std::errc()) at_ = end;
    *at_++ = '\n';
  }
  any_time_ = true;
  last_time_ = units;
  return true;
}

void VcdWriter::EndRow() {
  if (!header_written_) WriteHeader();
}

bool VcdWriter::Flush() {
  const bool ok = out_.Write(text_.data(), static_cast<std::size_t>(at_ - text_.data()));
  at_ = text_.data();
  return ok;
}

bool VcdWriter::Finish() {
  if (!header_written_ && !WriteHeader()) return false;
  return Flush() && !out_.WriteFailed();
}

}  // namespace kalvor
