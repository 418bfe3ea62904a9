// Dialogs whose behaviour belongs to the core. A dialog model reacts to its
// initialisation and to commands; it reaches the controls only through a
// DialogView. The Windows front end backs a view with a real dialog window,
// the command-line front end with a table of control values filled from the
// user's answers.
#pragma once

#include <string>
#include <vector>

namespace kalvor {

class DialogView {
 public:
  virtual ~DialogView() = default;

  virtual std::string GetText(int id) = 0;
  virtual void SetText(int id, const std::string& text) = 0;
  virtual bool IsChecked(int id) = 0;
  virtual void SetChecked(int id, bool checked) = 0;
  // Checks `id` and clears every other button of first..last.
  virtual void CheckRadio(int first, int last, int id) = 0;
  virtual void SetTitle(const std::string& title) = 0;

  // List boxes (multiple selection, sorted entries).
  virtual void ListAdd(int id, const std::string& entry) = 0;
  // The selected entries, in list order.
  virtual std::vector<std::string> ListSelection(int id) = 0;

  // Ends a modal dialog with `result` (ignored for the main dialog).
  virtual void End(int result) = 0;
};

// Well-known command ids shared by every dialog.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;

class DialogModel {
 public:
  virtual ~DialogModel() = default;
  // The dialog template's resource name ("vhdout", "MacDlg", "iodlg", ...).
  virtual std::string TemplateName() const = 0;
  virtual void OnInit(DialogView& view) = 0;
  // A button was pressed. The window's Close arrives as kIdCancel unless
  // the model says otherwise through OnClose.
  virtual void OnCommand(int id, DialogView& view) = 0;
  virtual void OnClose(DialogView& view) { OnCommand(kIdCancel, view); }
};

}  // namespace kalvor
