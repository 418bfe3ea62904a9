// Writes a sparse file of 2.5 GB at `path` through the file layer (one block
// past 2 GiB and the last byte, no disk cost for the rest), reads it back
// past 2 GiB and removes it. Returns what went wrong, empty when nothing did.
// The unit test runs it on the host; the package suite builds it for 64-bit
// Windows, where `long` has 32 bits, and runs it under wine.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "text/file.h"

namespace kalvor {

inline std::string CheckLargeFile(const std::string& path) {
  constexpr std::int64_t kSize = 2'500'000'000;
  constexpr std::int64_t kMark = 2'400'000'000;  // past 2 GiB (2'147'483'648)
  const std::string text = "past two GiB";
  std::string wrong;
  {
    File out;
    if (!out.Open(path, File::Mode::kCreate)) return "cannot create " + path;
    if (!out.Seek(kMark) || !out.Write(text) || !out.Seek(kSize - 1) || !out.Write("\n")) {
      wrong = "writing past 2 GiB failed";
    }
    out.Close();
    if (wrong.empty() && out.WriteFailed()) wrong = "closing the written file failed";
  }
  File in;
  if (wrong.empty() && !in.Open(path, File::Mode::kRead)) wrong = "cannot reopen " + path;
  if (wrong.empty() && in.Size() != kSize) {
    wrong = "size " + std::to_string(in.Size()) + ", not " + std::to_string(kSize);
  }
  std::string got(text.size() + 4, 'x');
  if (wrong.empty() && (!in.Seek(kMark - 2) || in.Read(got.data(), got.size()) != got.size() ||
                        got != std::string(2, '\0') + text + std::string(2, '\0'))) {
    wrong = "the text past 2 GiB did not read back";
  }
  if (wrong.empty() && in.Tell() != kMark - 2 + static_cast<std::int64_t>(got.size())) {
    wrong = "the position after reading past 2 GiB is " + std::to_string(in.Tell());
  }
  char last = 0;
  if (wrong.empty() && (!in.Seek(-1, File::Whence::kEnd) || in.Read(&last, 1) != 1 ||
                        last != '\n' || in.Read(&last, 1) != 0 || in.ReadFailed())) {
    wrong = "the last byte did not read back";
  }
  in.Close();
  std::remove(path.c_str());
  return wrong;
}

}  // namespace kalvor
