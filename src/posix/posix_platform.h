// The POSIX implementations of the settings, shell and file-system seams.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/filesys.h"
#include "platform/profile.h"
#include "platform/shell.h"

namespace kalvor {

// Settings in an INI file, section [RDMX]. The file is read once, when the
// first key is looked up; a write that changes nothing is skipped, and every
// other write is one change under a lock on the file's directory: the file
// read again, the keys set, the whole rewritten through a scratch file and a
// rename. A reader never sees a torn file, writers of several processes
// never mix or lose each other's changes, and a file that cannot be read to
// its end is never rewritten.
class IniProfile : public Profile {
 public:
  explicit IniProfile(std::string path) : path_(std::move(path)) {}
  std::string GetString(const std::string& key, const std::string& def,
                        std::size_t capacity) override;
  long GetInt(const std::string& key, long def) override;
  bool PutString(const std::string& key, const std::string& value) override;
  bool PutStrings(const std::vector<std::pair<std::string, std::string>>& entries) override;
  std::string Where() const override { return path_; }
  const std::string& path() const { return path_; }
  // Whether any write of this run failed.
  bool SaveFailed() const { return save_failed_; }
  // Whether the file exists but could not be read to its end (the defaults
  // stood in for it).
  bool ReadFailed() const { return read_failed_; }

 private:
  const std::vector<std::string>& Lines();
  bool Lookup(const std::string& key, std::string& value);
  bool Failed() {
    save_failed_ = true;
    return false;
  }
  std::string path_;
  bool loaded_ = false;
  std::vector<std::string> lines_;
  bool save_failed_ = false;
  bool read_failed_ = false;
};

// The per-user settings file: --ini, else $KALVOR_INI, else
// $XDG_CONFIG_HOME/kalvor/kalvor.ini (or ~/.config/kalvor/kalvor.ini).
std::string DefaultIniPath();

// Starts programs by name along PATH (arguments split from the option line,
// double quotes grouping, no shell in between), documents with xdg-open,
// and the program's own batch files ("PROGRAM ARGUMENTS > OUTPUT") by
// running the program with its output redirected, again without a shell. Programs are waited for
// (on the command line the next step needs their output) and their exit status is handed back;
// for a document it is the opener's.
class PosixShell : public Shell {
 public:
  OpenResult Open(const std::string& file, const std::string& parameters,
                  const std::string& directory) override;
};

// Splits a command line into arguments at blanks; double quotes group, and
// backslashes before a double quote follow the C runtime's rule (see
// QuoteArgument).
std::vector<std::string> SplitArguments(const std::string& line);

class PosixFileSystem : public FileSystem {
 public:
  bool ShortPath(const std::string& path, std::string& result) override;
  bool ExistsOnSearchPath(const std::string& name, std::string& found) override;
  std::vector<std::string> List(const std::string& pattern) override;
  std::string CurrentDirectory() override;
  bool ChangeDirectory(const std::string& dir) override;
  std::string ExecutablePath() override;
  bool ReplaceFile(const std::string& source, const std::string& target) override;
  bool RemoveFile(const std::string& path) override;
  std::FILE* CreateScratch(const std::string& target, std::string& scratch_path) override;
  bool SettleScratch(std::FILE* stream, const std::string& model) override;
  std::string FinalPath(const std::string& path) override;
};

// How this process's heap takes and gives back memory, set before it is
// first used: the command-line program's, and its benches'.
void SetUpProcessMemory();

}  // namespace kalvor
