// A DialogView backed by a real dialog window: the core's dialog models and
// main-dialog logic read and set the controls through it.
#pragma once

#include "win32/winapi.h"

#include <string>
#include <utility>
#include <vector>

#include "platform/dialog.h"

namespace kalvor::win32 {

class WindowView : public DialogView {
 public:
  // `modal`: End() ends the dialog; the main dialog ends only through Exit.
  explicit WindowView(bool modal) : modal_(modal) {}
  void Attach(HWND hwnd) {
    hwnd_ = hwnd;
    items_.clear();
  }
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

  // A dialog run by its own loop: End enables `owner` again before the
  // dialog goes (so that the owner becomes active); ended() tells the loop.
  void EnableOnEnd(HWND owner) { enable_on_end_ = owner; }
  bool ended() const { return ended_; }
  int result() const { return result_; }

 private:
  // The control `id`, looked up once: under wine each lookup by id asks
  // the server for the dialog's children.
  HWND Item(int id);

  HWND hwnd_ = nullptr;
  std::vector<std::pair<int, HWND>> items_;
  bool modal_;
  HWND enable_on_end_ = nullptr;
  bool ended_ = false;
  int result_ = 0;
};

// The whole text of a window.
std::string WindowText(HWND hwnd);

}  // namespace kalvor::win32
