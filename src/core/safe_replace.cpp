#include "core/safe_replace.h"

namespace kalvor {

bool CommitScratch(FileSystem& fs, File& scratch, const std::string& scratch_path,
                   const std::string& target) {
  bool complete = scratch.IsOpen() && scratch.Flush() && !scratch.WriteFailed();
  scratch.Close();
  if (!complete || scratch.WriteFailed()) return false;
  return fs.ReplaceFile(scratch_path, ResolveForReading(target));
}

}  // namespace kalvor
