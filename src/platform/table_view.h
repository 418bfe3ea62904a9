// A dialog view without a window: control values kept in tables. The
// command-line front end and the tests use it for the main dialog and for
// every modal dialog.
#pragma once

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/dialog.h"

namespace kalvor {

class TableView : public DialogView {
 public:
  std::string GetText(int id) override {
    auto it = texts_.find(id);
    return it == texts_.end() ? std::string() : it->second;
  }
  void SetText(int id, const std::string& text) override { texts_[id] = text; }
  bool IsChecked(int id) override {
    auto it = checks_.find(id);
    return it != checks_.end() && it->second;
  }
  void SetChecked(int id, bool checked) override { checks_[id] = checked; }
  void CheckRadio(int first, int last, int id) override {
    for (int i = first; i <= last; ++i) checks_[i] = (i == id);
  }
  void SetTitle(const std::string& title) override { title_ = title; }
  const std::string& title() const { return title_; }

  void ListAdd(int id, const std::string& entry) override {
    std::vector<std::string>& list = lists_[id];
    list.insert(std::upper_bound(list.begin(), list.end(), entry,
                                 [](const std::string& a, const std::string& b) {
                                   return LessNoCase(a, b);
                                 }),
                entry);
  }
  std::vector<std::string> ListSelection(int id) override {
    std::vector<std::string> out;
    for (const std::string& e : lists_[id]) {
      if (selected_[id].count(e)) out.push_back(e);
    }
    return out;
  }
  const std::vector<std::string>& ListEntries(int id) { return lists_[id]; }
  void ListSelect(int id, const std::string& entry, bool on) {
    if (on) {
      selected_[id].insert(entry);
    } else {
      selected_[id].erase(entry);
    }
  }

  void End(int result) override {
    ended_ = true;
    result_ = result;
  }
  bool ended() const { return ended_; }
  int result() const { return result_; }
  void Reset() {
    ended_ = false;
    result_ = 0;
  }

 private:
  static bool LessNoCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
          auto low = [](char c) {
            return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
          };
          return low(x) < low(y);
        });
  }

  std::map<int, std::string> texts_;
  std::map<int, bool> checks_;
  std::map<int, std::vector<std::string>> lists_;
  std::map<int, std::set<std::string>> selected_;
  std::string title_;
  bool ended_ = false;
  int result_ = 0;
};

}  // namespace kalvor
