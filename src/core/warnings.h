// Warnings that a conversion can give once per item (ports wired together,
// a port missing from a macro header, ...). The first few of each kind are
// shown as boxes; the rest are held back, and when the command ends one box
// per kind says how many more there were and names a file that lists every
// warning of the command. Where boxes do not wait (the command line prints
// them) every warning is shown and nothing is held back.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui.h"
#include "text/file.h"

namespace kalvor {

class RepeatedWarnings {
 public:
  static constexpr std::size_t kShownPerKind = 3;

  // Forgets the warnings of the last command. `list_path` names the file
  // that will list them; it is asked when the first warning is held back
  // (the command settles the design's name before it warns).
  void Begin(std::function<std::string()> list_path = {});
  // One warning; `kind` groups the warnings that repeat per item.
  void Warn(UserInterface& ui, const std::string& kind, const std::string& text,
            const std::string& caption, int type);
  // At the end of the command: when warnings were held back, completes the
  // file that lists all of them, one line each, and tells the user.
  void Finish(UserInterface& ui);

  std::size_t held_back() const { return held_back_; }

 private:
  // Writes the lines kept so far to the list, opening it first.
  void Flush();

  struct Kind {
    std::string name;
    std::string caption;
    std::size_t count = 0;
  };
  std::vector<Kind> kinds_;
  // The warnings not yet written, "[caption] text" on one line ending in
  // CR LF, as the list file has them: every warning until one is held back,
  // then at most some 64 KB, so that a design with a great many warnings
  // does not keep them all in memory.
  std::string lines_;
  std::function<std::string()> list_path_;
  std::string path_;  // the list's path, once asked
  File list_;
  bool list_failed_ = false;
  std::size_t line_count_ = 0;
  std::size_t held_back_ = 0;
};

}  // namespace kalvor
