// The shell seam: starting programs and documents.
#pragma once

#include <string>

namespace kalvor {

// What became of a request to open a program or document.
struct OpenResult {
  bool started = false;  // the program or document could be started
  bool waited = false;   // the host waited for the program to end
  int exit_status = 0;   // the program's exit status, when waited for
};

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens `file` (a program or a document) with the "open" verb, passing
  // `parameters` as its command line and starting it in `directory` (empty:
  // inherit). Whether the host waits for the program is its own choice.
  virtual OpenResult Open(const std::string& file, const std::string& parameters,
                          const std::string& directory) = 0;
};

}  // namespace kalvor
