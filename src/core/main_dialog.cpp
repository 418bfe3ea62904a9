#include "core/main_dialog.h"

#include "platform/resource.h"
#include "text/strings.h"

namespace kalvor {

bool CheckTestId(App& app) {
  app.state.test_id = Truncate(app.main().GetText(id::kTestId), 255);
  app.profile().PutString("testname", app.state.test_id);
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
