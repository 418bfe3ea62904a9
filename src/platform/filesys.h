// The file-system seam: the facts about files and directories that standard
// C++ does not give the same way on every host.
#pragma once

#include <string>
#include <vector>

namespace kalvor {

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // The short (8.3) form of `path`; `path` itself where there is none.
  // Returns false when the path does not exist.
  virtual bool ShortPath(const std::string& path, std::string& result) = 0;
  // Whether `name` exists; a bare name is also looked for along the
  // executable search path. On success `found` holds the path found.
  virtual bool ExistsOnSearchPath(const std::string& name,
                                  std::string& found) = 0;
  // Names (without directory) of the files matching a wildcard pattern such
  // as "*.vhd" in the current directory.
  virtual std::vector<std::string> List(const std::string& pattern) = 0;
  virtual std::string CurrentDirectory() = 0;
  // Selects the drive (where there are drives) and the directory; false when
  // either does not exist.
  virtual bool ChangeDirectory(const std::string& dir) = 0;
  // The running executable's full path.
  virtual std::string ExecutablePath() = 0;
  // Replaces `target` by `source` in one step (rename over it). The target
  // is never removed before the replacement is certain.
  virtual bool ReplaceFile(const std::string& source,
                           const std::string& target) = 0;
  virtual bool RemoveFile(const std::string& path) = 0;
};

}  // namespace kalvor
