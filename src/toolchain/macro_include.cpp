#include "toolchain/macro_include.h"

#include "core/safe_replace.h"
#include "core/startup.h"
#include "mac/macfile.h"
#include "platform/ui.h"
#include "text/file.h"
#include "text/lineio.h"
#include "text/strings.h"

namespace kalvor {

namespace {

constexpr int kScanLines = 100;

bool IsMacInclude(const std::string& lowered) {
  return !lowered.empty() && lowered[0] == '<' &&
         lowered.find(".mac") != std::string::npos;
}

}  // namespace

bool InsertMacroInclude(const RunContext& run, const ToolDesign& d, const std::string& key) {
  Platform& p = run.platform;
  std::string pad_file = p.profile.GetString(key::kPadMacs, "", 256);
  const std::string mac_path = JoinPath(d.test_dir, d.test_id + ".mac", p.fs.Style());
  File in;
  if (!in.Open(mac_path, File::Mode::kRead)) {
    p.ui.Notify(mac_path, "Unable to open:", box::kOk);
    return false;
  }

  bool has_mac_include = false;
  bool has_pad_include = false;
  std::string line;
  for (int n = 0; n < kScanLines && ReadWholeLine(in, line); ++n) {
    if (line.empty() || line[0] != '<') continue;
    std::string lowered = ToLower(line);
    if (lowered.find(".mac") != std::string::npos) has_mac_include = true;
    if (lowered.find(".txt") != std::string::npos ||
        lowered.find("pad") != std::string::npos) {
      has_pad_include = true;
    }
    if (lowered.find(key) != std::string::npos) return true;
  }

  std::string macro_file = p.profile.GetString(
      key, std::string(defaults::kTechMacPrefix) + key, 256);
  if (p.ui.InputBox(key, "Specify a macro file for this function:",
                        macro_file) != answer::kOk) {
    return false;
  }
  if (!FileExists(macro_file)) {
    p.ui.Notify("Unable to open macro file.  Please browse to find correct file.",
               macro_file, box::kOk | box::kWaits);
    if (!p.ui.FileDialog(macro_file, 256, d.test_dir, "*.mac")) return false;
  }
  SaveSettings(p, {{key, macro_file}});

  in.Seek(0);
  SafeOutput scratch(p);
  if (!scratch.Open(in.Path())) return false;
  File& out = scratch.file();
  const std::string include = "<" + macro_file + ">";
  if (!has_mac_include) WriteLine(out, include);
  const bool offers_pads = key.find("tpr.mac") != std::string::npos;
  p.ui.WaitCursor();
  while (ReadWholeLine(in, line)) {
    if (!line.empty() && line[0] == '.' && !has_pad_include && offers_pads) {
      has_pad_include = true;
      if (p.ui.InputBox(key, "Do you want to specify a pad definition file?",
                            pad_file) != answer::kCancel) {
        WriteLine(out, "<" + pad_file + ">");
        SaveSettings(p, {{key::kPadMacs, pad_file}});
      }
    }
    if (has_mac_include && IsMacInclude(ToLower(line))) {
      WriteLine(out, include);
      has_mac_include = false;
    } else {
      WriteLine(out, line);
    }
  }
  scratch.Commit(in);
  return true;
}

}  // namespace kalvor
