// The file-system seam: the facts about files and directories that standard
// C++ does not give the same way on every host.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "text/path_style.h"

namespace kalvor {

class Profile;

// The settings key naming the autoexec.bat to update on hosts that have no
// "c:\autoexec.bat" (POSIX). Empty or missing: there is no such file.
constexpr const char* kAutoexecKey = "AUTOEXEC.BAT";

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
  // Replaces `target` by `source` in one step (rename over it), written
  // through to the disk. The target is never removed before the
  // replacement is certain. False when it could not be replaced, and also
  // when the replacement could not be written through (then `source` is
  // gone and `target` is the new version).
  virtual bool ReplaceFile(const std::string& source,
                           const std::string& target) = 0;
  virtual bool RemoveFile(const std::string& path) = 0;

  // A new, empty file for writing in the directory of `target`, under a
  // name no file has (ScratchName): created exclusively, so it is never an
  // existing file and never reached through a link. Sets `scratch_path`;
  // nullptr when it cannot be created. The stream belongs to the caller.
  // Scratch files of `target` that earlier runs left when they were killed
  // (the user's own, their writer no longer running) are removed first.
  virtual std::FILE* CreateScratch(const std::string& target,
                                   std::string& scratch_path) = 0;
  // Puts everything written to `stream` onto the disk and gives its file the
  // permission bits of `model` when that exists.
  virtual bool SettleScratch(std::FILE* stream, const std::string& model) = 0;
  // The file `path` stands for: a symbolic link is followed to the file it
  // names (`path` itself where there are no links).
  virtual std::string FinalPath(const std::string& path) = 0;

  // How this host writes paths.
  virtual PathStyle Style() const { return HostPathStyle(); }

  // `path` as the program keeps it: the short form where the host has one,
  // in the letter case the file system gives its names (paths are shown to
  // the user as they are; where letter case is ignored, comparisons ignore
  // it). `path` itself when it has no short form; false when it does not
  // exist.
  bool HostForm(const std::string& path, std::string& result);
  // The directory of a file that stands directly in the root, as SplitPath
  // leaves it empty.
  std::string RootDirectory() const;
  // Whether `path` begins with `prefix`, letter case ignored where the host
  // ignores it.
  bool PathStartsWith(const std::string& path, const std::string& prefix) const;
  // The line end of batch files that this host's shell runs.
  const char* BatchLineEnd() const;
  // The name of a scratch file for `target_name` (a name without
  // directory): "~" + target_name + "." + `token` + "~". `token` makes it
  // unique (the process id and a serial number).
  static std::string ScratchName(const std::string& target_name, const std::string& token);
  // Whether `name` is a scratch name made by ScratchName for `target_name`.
  static bool IsScratchName(const std::string& name, const std::string& target_name);
  // The process id in a scratch name for `target_name` whose token begins
  // with one ("PID-SERIAL"); 0 when it has none.
  static long ScratchWriter(const std::string& name, const std::string& target_name);
  // The start-up file whose "PATH=" line finds outside programs:
  // "c:\autoexec.bat" on Windows, the value of kAutoexecKey elsewhere.
  std::string AutoexecPath(Profile& profile) const;
};

}  // namespace kalvor
