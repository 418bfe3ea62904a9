#include "toolchain/block_routes.h"

#include <functional>
#include <string_view>
#include <unordered_set>

#include "core/safe_replace.h"
#include "mac/macfile.h"
#include "platform/ui.h"
#include "text/file.h"
#include "text/lineio.h"
#include "text/strings.h"

namespace kalvor {

namespace {

constexpr const char* kMacroKeyword = ".macro ";

// The joined header with the power ports " Gnd ", " Vdd ", " GND ", " VDD "
// removed (exactly these forms; a port glued to a "+" stays).
std::string CleanHeader(std::string header) {
  header += ' ';
  for (const char* power : {" Gnd ", " Vdd ", " GND ", " VDD "}) {
    std::size_t at = 0;
    while ((at = header.find(power, at)) != std::string::npos) header.erase(at, 4);
  }
  header.pop_back();
  return header;
}

// Appends `text` broken into lines before each "+" after its first
// character; the last piece gets no line end.
void AppendBroken(std::string& out, const std::string& text) {
  std::size_t start = 0;
  for (;;) {
    std::size_t plus = text.find('+', start + 1);
    if (plus == std::string::npos) break;
    out.append(text, start, plus - start);
    out += "\r\n";
    start = plus;
  }
  if (start < text.size()) out.append(text, start, std::string::npos);
}

// The parts of a cleaned header: the text after ".macro ", the macro's name
// and the port text (after the name and its blank).
struct Header {
  std::string body;
  std::string name;
  std::string ports;
  bool has_ports() const {
    return ports.find_first_not_of(" +") != std::string::npos;
  }
};

Header SplitHeader(const std::string& cleaned) {
  Header h;
  h.body = cleaned.size() > 7 ? cleaned.substr(7) : std::string();
  std::size_t start = h.body.find_first_not_of(' ');
  if (start == std::string::npos) return h;
  std::size_t blank = h.body.find(' ', start);
  std::string word = h.body.substr(start, blank == std::string::npos
                                              ? std::string::npos
                                              : blank - start);
  // A header continued right after the name joins as "NAME+": the "+" is
  // not part of the name.
  h.name = word.substr(0, word.find('+'));
  if (blank != std::string::npos) h.ports = h.body.substr(blank + 1);
  return h;
}

// The macro named by an instance line "<inst macro nodes...": the text
// between the first and second blank (or the line's end).
std::string_view InstanceMacro(std::string_view line) {
  std::size_t first = line.find(' ');
  if (first == std::string_view::npos) return {};
  std::size_t second = line.find(' ', first + 1);
  return line.substr(first + 1, second == std::string_view::npos
                                    ? std::string_view::npos
                                    : second - first - 1);
}

void AppendLine(std::string& out, const std::string& line) {
  out += line;
  out += "\r\n";
}

}  // namespace

bool BuildBlockRoutes(Platform& p, int highest_level,
                      const std::string& mac_path) {
  File in;
  if (!in.Open(mac_path, File::Mode::kRead)) {
    p.ui.Notify(mac_path, "Unable to re-open!", box::kOk);
    return false;
  }
  SafeOutput scratch(p);
  if (!scratch.Open(in.Path())) return false;
  File& out = scratch.file();
  p.ui.WaitCursor();

  // The tag that marks a block of the highest level, looked for once a
  // header has been read.
  const std::string level_tag = Format("$blocklevel %d", highest_level);
  std::string_view level_target = "$blocklevel=<none yet>";
  std::string kept_list = " ";  // shown at the end
  std::unordered_set<std::string, TextHash, std::equal_to<>> kept;
  bool uses_kept = false;
  // The output of the current definition, from its header on: it is
  // replaced by a "$removed" line or cut back to the header before it is
  // written.
  std::string pending;
  std::size_t after_header = 0;
  bool in_definition = false;
  Header header;

  auto keep = [&](const std::string& name) {
    kept.insert(name);
    kept_list += name;
    kept_list += ' ';
  };
  auto flush = [&]() {
    out.Write(pending);
    pending.clear();
  };

  std::string line;
  bool have = ReadWholeLine(in, line);
  while (have) {
    if (StartsWithNoCase(line, kMacroKeyword)) {
      flush();
      in_definition = true;
      std::string joined = line;
      AppendLine(pending, line);
      while ((have = ReadWholeLine(in, line)) && !line.empty() && line[0] == '+') {
        joined += line;
        AppendLine(pending, line);
      }
      header = SplitHeader(CleanHeader(std::move(joined)));
      after_header = pending.size();
      level_target = level_tag;
      if (!have) break;
    }
    AppendLine(pending, line);
    if (!line.empty() && line[0] == '<') {
      const std::string_view used = InstanceMacro(line);
      if (!used.empty() && kept.contains(used)) uses_kept = true;
    }
    if (in_definition && ClassifyMacLine(line) == MacLineKind::kEnd) {
      // A macro that uses a kept macro is kept even when its header has no
      // ports (a blank after the name): dropping it would also drop every
      // macro above it, the top module included.
      if (uses_kept) {
        keep(header.name);
      } else {
        pending = "$removed " + header.name + "\r\n";
      }
      uses_kept = false;
      in_definition = false;
    } else if (in_definition && EqualNoCase(line, level_target)) {
      if (!header.has_ports()) {
        scratch.Abort();
        p.ui.Notify("Block macro " + header.name +
                       " has no ports besides power ports, so no route macro "
                       "can be built for it.  The macro file is unchanged.",
                   mac_path, box::kOk | box::kIconError);
        return false;
      }
      pending.resize(after_header);
      pending += "\"C ";
      AppendBroken(pending, header.body);
      pending += ";\"\r\n";
      pending += "\"U\" @ \" \" ";
      AppendBroken(pending, header.ports);
      pending += " \";\"\r\n";
      AppendLine(pending, ".eom " + header.name);
      while ((have = ReadWholeLine(in, line)) && ClassifyMacLine(line) != MacLineKind::kEnd) {
      }
      keep(header.name);
      uses_kept = false;
      in_definition = false;
    }
    if (!in_definition) flush();
    if (have) have = ReadWholeLine(in, line);
  }
  flush();
  if (!scratch.Commit(in)) return false;
  p.ui.Notify(kept_list, "Done.  Block macros and above were:", box::kOk);
  return true;
}

}  // namespace kalvor
