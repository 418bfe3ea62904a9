// The "Macro Include Files" dialog of the EDIF import: the four include
// files written at the head of the macro file.
#pragma once

#include <string>

#include "core/state.h"
#include "platform/dialog.h"

namespace kalvor {

struct MacIncludes {
  std::string func;  // tech-to-function include
  std::string pri;   // TIB-to-tech include
  std::string base;  // base macro file
  std::string pad;   // pad definition file
};

class MacDlgModel : public DialogModel {
 public:
  // `includes.base` holds the base macro file of this run.
  MacDlgModel(App& app, MacIncludes& includes) : app_(app), includes_(includes) {}
  std::string TemplateName() const override;
  void OnInit(DialogView& view) override;
  void OnCommand(int id, DialogView& view) override;

 private:
  std::string WithoutTestDir(const std::string& path) const;
  App& app_;
  MacIncludes& includes_;
};

// Shows the dialog; true on OK (the fields are in `includes`).
bool RunMacDialog(App& app, MacIncludes& includes);

}  // namespace kalvor
