// Warnings that a conversion can give once per item (ports wired together,
// a port missing from a macro header, ...). The first few of each kind are
// shown as boxes; the rest are held back, and when the command ends one box
// per kind says how many more there were and names a file that lists every
// warning of the command. Where boxes do not wait (the command line prints
// them) every warning is shown and nothing is held back.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/ui.h"

namespace kalvor {

class RepeatedWarnings {
 public:
  static constexpr std::size_t kShownPerKind = 3;

  // Forgets the warnings of the last command.
  void Begin();
  // One warning; `kind` groups the warnings that repeat per item.
  void Warn(UserInterface& ui, const std::string& kind, const std::string& text,
            const std::string& caption, int type);
  // At the end of the command: when warnings were held back, writes all of
  // them to `list_path`, one line each, and tells the user.
  void Finish(UserInterface& ui, const std::string& list_path);

  std::size_t held_back() const { return held_back_; }

 private:
  struct Kind {
    std::string name;
    std::string caption;
    std::size_t count = 0;
  };
  std::vector<Kind> kinds_;
  // Every warning, "[caption] text" on one line ending in CR LF, as the
  // list file has them, in pieces of some 64 KB: one string of them all
  // was copied whole each time it grew (a large design gives megabytes).
  std::vector<std::string> lines_;
  std::size_t line_count_ = 0;
  std::size_t held_back_ = 0;
};

}  // namespace kalvor
