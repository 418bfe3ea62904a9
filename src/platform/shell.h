// The shell seam: starting programs and documents.
#pragma once

#include <string>

namespace kalvor {

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens `file` (a program or a document) with the "open" verb, passing
  // `parameters` as its command line and starting it in `directory` (empty:
  // inherit). A result above 32 means success, 32 or less a failure.
  virtual long Open(const std::string& file, const std::string& parameters,
                    const std::string& directory) = 0;
};

}  // namespace kalvor
