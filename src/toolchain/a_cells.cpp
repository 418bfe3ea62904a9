#include "toolchain/a_cells.h"

#include <cstdint>

#include "core/safe_replace.h"
#include "mac/macfile.h"
#include "platform/ui.h"
#include "text/file.h"
#include "text/lineio.h"
#include "text/strings.h"
#include "toolchain/toolchain.h"

namespace kalvor {

std::string_view DefinedMacros::Lowered(std::string_view name) const {
  key_.assign(name);
  for (char& c : key_) c = ToLowerAscii(c);
  return key_;
}

void ConvertACellLine(std::string& line, DefinedMacros& defined) {
  MacLineKind kind = ClassifyMacLine(line);
  if (kind != MacLineKind::kInstance && kind != MacLineKind::kHeader &&
      kind != MacLineKind::kEnd) {
    return;
  }
  // The name is the second word; it counts only when a blank follows it.
  std::size_t begin = line.find(' ');
  begin = begin == std::string::npos ? 0 : begin + 1;
  begin = line.find_first_not_of(' ', begin);
  if (begin == std::string::npos) return;
  std::size_t end = line.find(' ', begin);
  if (end == std::string::npos) return;
  std::string_view name = std::string_view(line).substr(begin, end - begin);
  if (kind == MacLineKind::kHeader) {
    defined.Add(name);
    return;
  }
  // Only a name ending in the letter A changes: the others are not looked up.
  if (ToLowerAscii(name.back()) != 'a' || defined.Contains(name)) return;
  line.erase(end - 1, 1);
}

Outcome ConvertACells(const RunContext& run, const ToolDesign& d) {
  Platform& p = run.platform;
  const std::string mac_path = d.test_dir + d.test_id + ".mac";
  File mac;
  if (!mac.Open(mac_path, File::Mode::kRead)) {
    p.ui.Notify("unable to open .mac file", mac_path, box::kOk);
    return Outcome::kFailed;
  }
  SafeOutput scratch(p);
  if (!scratch.Open(mac.Path())) return Outcome::kFailed;
  p.ui.WaitCursor();
  DefinedMacros defined;
  std::string line;
  // Whole lines: a line of any length is copied intact.
  while (ReadWholeLine(mac, line)) {
    ConvertACellLine(line, defined);
    WriteLine(scratch.file(), line);
  }
  if (!scratch.Commit(mac)) return Outcome::kFailed;
  p.ui.Notify("Done.", "", box::kOk);
  return Outcome::kCompleted;
}

}  // namespace kalvor
