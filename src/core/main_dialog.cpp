#include "core/main_dialog.h"

#include "core/startup.h"
#include "platform/resource.h"
#include "text/strings.h"

namespace kalvor {

bool CheckTestId(App& app) {
  std::string typed = Truncate(app.main().GetText(id::kTestId), 255);
  if (!UsableName(typed, app.style())) {
    app.Notify("The test name holds a line break or another character that Kalvor cannot "
               "work with:\n\n" + ShownName(typed),
               "KALVOR", box::kOk | box::kIconWarning);
    return false;
  }
  app.state.test_id = typed;
  if (!SaveSettings(app, {{"testname", app.state.test_id}})) return false;
  if (app.state.test_id.empty()) {
    app.Notify("Please open a test file set or enter test root name.", "KALVOR",
               box::kOk | box::kIconInformation);
    return false;
  }
  return true;
}

void SetOptionLine(App& app, const std::string& text) {
  app.main().SetText(id::kOptions, text);
  if (text.size() > 93) {
    app.Notify(
        "Probably this is due to full-path file names.\nIf the requested "
        "function fails, reduce the subdirectory level\nyou are operating at, "
        "or the lengths of file/folder names.",
        "Warning: Option string may be too long", box::kOk);
  }
}

void CheckRadio(App& app, int id) {
  app.main().CheckRadio(id::kRadioFirst, id::kRadioLast, id);
}

}  // namespace kalvor
