// A parameter dialog that also sets its caption, so that front ends without
// the dialog template (the command line) show the same title.
#pragma once

#include <string>

#include "core/dialogs.h"

namespace kalvor {

class TitledParamDialog : public ParamDialog {
 public:
  TitledParamDialog(std::string template_name, std::string title,
                    std::string& options)
      : ParamDialog(std::move(template_name), options),
        title_(std::move(title)) {}
  void OnInit(DialogView& view) override {
    view.SetTitle(title_);
    ParamDialog::OnInit(view);
  }

 private:
  std::string title_;
};

// ParamDlg with the caption: 1 for OK (the options rewritten), 2 for Cancel.
inline int TitledParamDlg(UserInterface& ui, const std::string& template_name,
                          const std::string& title, std::string& options) {
  TitledParamDialog dialog(template_name, title, options);
  return ui.RunDialog(dialog);
}

}  // namespace kalvor
