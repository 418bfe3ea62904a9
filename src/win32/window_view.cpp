#include "win32/window_view.h"

namespace kalvor::win32 {

std::string WindowText(HWND hwnd) {
  if (!hwnd) return std::string();
  int length = GetWindowTextLengthA(hwnd);
  if (length <= 0) return std::string();
  std::vector<char> buf(static_cast<std::size_t>(length) + 1, '\0');
  int n = GetWindowTextA(hwnd, buf.data(), length + 1);
  return std::string(buf.data(), n > 0 ? static_cast<std::size_t>(n) : 0);
}

HWND WindowView::Item(int id) {
  for (const auto& [item_id, item] : items_) {
    if (item_id == id) return item;
  }
  HWND item = GetDlgItem(hwnd_, id);
  if (item) items_.emplace_back(id, item);
  return item;
}

std::string WindowView::GetText(int id) {
  return WindowText(Item(id));
}

void WindowView::SetText(int id, const std::string& text) {
  SetWindowTextA(Item(id), text.c_str());
}

bool WindowView::IsChecked(int id) {
  return SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void WindowView::SetChecked(int id, bool checked) {
  SendMessageA(Item(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void WindowView::CheckRadio(int first, int last, int id) {
  CheckRadioButton(hwnd_, first, last, id);
}

void WindowView::SetTitle(const std::string& title) {
  SetWindowTextA(hwnd_, title.c_str());
}

void WindowView::ListAdd(int id, const std::string& entry) {
  SendMessageA(Item(id), LB_ADDSTRING, 0,
                      reinterpret_cast<LPARAM>(entry.c_str()));
}

std::vector<std::string> WindowView::ListSelection(int id) {
  std::vector<std::string> out;
  HWND list = Item(id);
  LRESULT count = SendMessageA(list, LB_GETSELCOUNT, 0, 0);
  if (count <= 0) return out;
  std::vector<int> indices(static_cast<std::size_t>(count));
  LRESULT got = SendMessageA(list, LB_GETSELITEMS, static_cast<WPARAM>(count),
                             reinterpret_cast<LPARAM>(indices.data()));
  for (LRESULT i = 0; i < got; ++i) {
    int index = indices[static_cast<std::size_t>(i)];
    LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) continue;
    std::vector<char> buf(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(buf.data()));
    out.emplace_back(buf.data());
  }
  return out;
}

void WindowView::End(int result) {
  if (!modal_) return;
  ended_ = true;
  result_ = result;
  if (enable_on_end_) EnableWindow(enable_on_end_, TRUE);
  EndDialog(hwnd_, result);
}

}  // namespace kalvor::win32
