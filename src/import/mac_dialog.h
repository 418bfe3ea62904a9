// The "Macro Include Files" dialog of the EDIF import: the four include
// files written at the head of the macro file.
#pragma once

#include <string>

#include "core/outcome.h"
#include "platform/platform.h"
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
  // Files chosen inside `test_dir` are shown by their plain names; the
  // browse buttons start in `browse_dir`.
  MacDlgModel(Platform& p, std::string test_dir, std::string browse_dir, MacIncludes& includes)
      : p_(p), test_dir_(std::move(test_dir)), browse_dir_(std::move(browse_dir)),
        includes_(includes) {}
  std::string TemplateName() const override;
  void OnInit(DialogView& view) override;
  void OnCommand(int id, DialogView& view) override;
  // OK was refused for a name the macro file cannot hold (said so).
  bool refused() const { return refused_; }

 private:
  std::string WithoutTestDir(const std::string& path) const;
  bool refused_ = false;
  Platform& p_;
  std::string test_dir_;
  std::string browse_dir_;
  MacIncludes& includes_;
};

// Shows the dialog: completed on OK (the fields are in `includes`); failed
// when it was left after OK was refused, else stopped.
Outcome RunMacDialog(Platform& p, const std::string& test_dir, const std::string& browse_dir,
                  MacIncludes& includes);

}  // namespace kalvor
