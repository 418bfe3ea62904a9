#include "core/data_files.h"

#include "text/file.h"
#include "text/strings.h"

namespace kalvor {

std::string DataFilePath(const std::string& program_dir, const std::string& name,
                         PathStyle style) {
  std::string beside = JoinPath(program_dir, name, style);
  if (FileExists(beside)) return beside;
  std::string shared = program_dir;
  for (const char* part : {"..", "share", "kalvor"}) shared = JoinPath(shared, part, style);
  shared = JoinPath(shared, name, style);
  return FileExists(shared) ? shared : beside;
}

}  // namespace kalvor
