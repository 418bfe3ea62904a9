// A DialogView backed by a real dialog window: the core's dialog models and
// main-dialog logic read and set the controls through it.
#pragma once

#include "win32/winapi.h"

#include <string>
#include <vector>

#include "platform/dialog.h"

namespace kalvor::win32 {

class WindowView : public DialogView {
 public:
  // `modal`: End() ends the dialog; the main dialog ends only through Exit.
  explicit WindowView(bool modal) : modal_(modal) {}
  void Attach(HWND hwnd) { hwnd_ = hwnd; }
  HWND hwnd() const { return hwnd_; }

  std::string GetText(int id) override;
  void SetText(int id, const std::string& text) override;
  bool IsChecked(int id) override;
  void SetChecked(int id, bool checked) override;
  void CheckRadio(int first, int last, int id) override;
  void SetTitle(const std::string& title) override;
  void ListAdd(int id, const std::string& entry) override;
  std::vector<std::string> ListSelection(int id) override;
  void End(int result) override;

 private:
  HWND hwnd_ = nullptr;
  bool modal_;
};

// The whole text of a window.
std::string WindowText(HWND hwnd);

}  // namespace kalvor::win32
