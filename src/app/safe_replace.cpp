#include "app/safe_replace.h"

namespace kalvor {

bool CommitScratch(App& app, File& scratch, const std::string& scratch_path,
                   const std::string& target) {
  bool complete = scratch.IsOpen() && scratch.Flush() && !scratch.WriteFailed();
  scratch.Close();
  if (!complete || scratch.WriteFailed()) return false;
  return app.fs().ReplaceFile(scratch_path, ResolveForReading(target));
}

}  // namespace kalvor
