// The baseline every benchmark of a rewrite is measured against: the same
// file copied line by line with the program's own line primitives.
#pragma once

#include <string>

#include "text/file.h"
#include "text/lineio.h"

namespace kalvor {

inline void CopyLines(const std::string& from, const std::string& to) {
  File in;
  File out;
  in.Open(from, File::Mode::kRead);
  out.Open(to, File::Mode::kCreate);
  std::string line;
  while (ReadWholeLine(in, line)) WriteLine(out, line);
  out.Close();
}

}  // namespace kalvor
