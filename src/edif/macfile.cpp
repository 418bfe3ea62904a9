#include "edif/macfile.h"

#include "platform/ui.h"
#include "text/lineio.h"
#include "text/strings.h"

namespace kalvor {

MacLineKind ClassifyMacLine(std::string_view line) {
  if (line.empty()) return MacLineKind::kBlank;
  switch (line[0]) {
    case '<':
      return line.find('>') != std::string_view::npos ? MacLineKind::kInclude
                                                      : MacLineKind::kInstance;
    case '$':
      return MacLineKind::kDirective;
    case '+':
      return MacLineKind::kContinuation;
    default:
      break;
  }
  if (StartsWithNoCase(line, ".macro")) return MacLineKind::kHeader;
  if (StartsWithNoCase(line, ".eom")) return MacLineKind::kEnd;
  return MacLineKind::kOther;
}

bool IsSupplyName(std::string_view name) {
  return name == "vdd" || name == "gnd" || name == "Vdd" || name == "Gnd" ||
         name == "VDD" || name == "GND";
}

std::vector<std::string> MacWords(std::string line) {
  std::vector<std::string> words;
  for (;;) {
    std::string w = NextWord(line);
    if (w.empty()) break;
    words.push_back(std::move(w));
  }
  return words;
}

std::string IncludePath(std::string_view line) {
  if (ClassifyMacLine(line) != MacLineKind::kInclude) return std::string();
  std::size_t close = line.find('>');
  return std::string(line.substr(1, close - 1));
}

std::string DirectiveKeyword(std::string_view line) {
  if (line.empty() || line[0] != '$') return std::string();
  std::size_t end = line.find_first_of(" \t");
  return std::string(line.substr(0, end));
}

bool MacReader::Next(std::string& line) {
  return ReadJoinedLine(file_, line, size_) != 0;
}

bool WriteMacLine(File& file, std::string_view text, UserInterface& ui) {
  // The remaining text is "+" (when `plus`) followed by text[off...].
  std::size_t off = 0;
  bool plus = false;
  auto at = [&](std::size_t j) { return plus ? (j == 0 ? '+' : text[off + j - 1]) : text[off + j]; };
  auto length = [&] { return text.size() - off + (plus ? 1 : 0); };
  auto put = [&](std::size_t n) {  // the first n characters of the remaining text
    if (plus) {
      file.Write("+", 1);
      if (n > 0) file.Write(text.substr(off, n - 1));
    } else {
      file.Write(text.substr(off, n));
    }
  };
  while (length() > 77) {
    std::size_t split = 0;
    for (std::size_t j = 70; j <= 74 && split == 0; ++j) {
      if (at(j) == ' ') split = j;
    }
    for (std::size_t j = 69; j >= 2 && split == 0; --j) {
      if (at(j) == ' ') split = j;
    }
    if (split == 0) {
      std::string rest = plus ? "+" + std::string(text.substr(off)) : std::string(text.substr(off));
      ui.Notify(rest, "Symbol over 70 char. long", box::kOk | box::kIconError | box::kNoOwner);
      file.Close();
      return false;
    }
    put(split);
    file.Write("\r\n", 2);
    off += split + (plus ? 0 : 1);
    plus = true;
    if (off == text.size() || (off + 1 == text.size() && text[off] == ' ')) return true;
  }
  put(length());
  file.Write("\r\n", 2);
  return true;
}

bool WriteWireList(const std::string& path, const std::string& top_cell) {
  File out;
  if (!out.Open(path, File::Mode::kCreate)) return false;
  bool ok = WriteLine(out, kWireListHead);
  ok = WriteLine(out, "") && ok;
  ok = WriteLine(out, "WIRE LIST") && ok;
  ok = WriteLine(out, "<<< COMPONENT LIST >>>") && ok;
  ok = WriteLine(out, Format("%s %s %s", top_cell.c_str(), top_cell.c_str(),
                             top_cell.c_str())) && ok;
  out.Close();
  return ok && !out.WriteFailed();
}

}  // namespace kalvor
