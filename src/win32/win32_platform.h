// The Windows implementations of the settings, shell and file-system seams:
// the WIN.INI profile calls, ShellExecute, and the kernel's file calls.
#pragma once

#include <string>
#include <vector>

#include "platform/filesys.h"
#include "platform/profile.h"
#include "platform/shell.h"

namespace kalvor::win32 {

// Section [RDMX] of the user's WIN.INI.
//
// Under wine every key read through the profile calls costs some fifteen
// round trips to the server (the file is opened and its time compared, the
// registry is asked whether the section is mapped), and a conversion reads
// a dozen keys. While a command runs (between Hold and Release) the section
// is read once, at the first key asked, and kept up to date by the writes; a
// plain value (digits, for a number) and a missing key are answered from
// that copy. Anything else, a value in quotes, say, is asked of the profile
// calls, as before.
class WinIniProfile : public Profile {
 public:
  std::string GetString(const std::string& key, const std::string& def,
                        std::size_t capacity) override;
  long GetInt(const std::string& key, long def) override;
  bool PutString(const std::string& key, const std::string& value) override;
  void Hold();
  void Release();

 private:
  // The key's entry in the section read, when there is one.
  struct Entry {
    std::string key;
    std::string value;
    bool plain = false;  // has "=", no blanks around, a value not quoted
  };
  static Entry EntryOf(const std::string& line);
  // Whether the copy answers: held, and the section read in full.
  bool Loaded();
  Entry* Find(const std::string& key);
  bool held_ = false;
  bool loaded_ = false;
  bool usable_ = false;
  std::vector<Entry> entries_;
};

// Launches with the "open" verb, shown normally; never waits.
class WinShell : public Shell {
 public:
  OpenResult Open(const std::string& file, const std::string& parameters,
                  const std::string& directory) override;
};

// A path as the user named it: the long form of each part, in the letter
// case the file system gives its names (the program keeps the short form);
// the path itself when it cannot be found.
std::string DisplayPath(const std::string& path);

class WinFileSystem : public FileSystem {
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
  std::string FinalPath(const std::string& path) override { return path; }
};

}  // namespace kalvor::win32
