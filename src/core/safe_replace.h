// In-place rewrites: the new text is written completely to a scratch file,
// which then replaces the original in one step. If anything fails the
// original stays as it was and the result stays in the scratch file.
#pragma once

#include <string>

#include "platform/filesys.h"
#include "text/file.h"

namespace kalvor {

// Closes `scratch` (opened for writing at `scratch_path`), checks that all of
// it was written, and renames it over `target`. False when the scratch file
// is incomplete (it is then left beside the original) or the rename failed.
bool CommitScratch(FileSystem& fs, File& scratch, const std::string& scratch_path,
                   const std::string& target);

}  // namespace kalvor
