// The one way the program writes a file, new or rewritten: everything goes
// to a scratch file beside it, made exclusively under a name of its own;
// once complete, flushed to the disk and closed without error, the scratch
// file replaces the file in one step, keeping its permission bits. Until
// then, and whenever anything fails, the file stays as it was and the
// scratch file is removed. A symbolic link is followed when it leads to a
// file, which is the one rewritten (a design may keep a file elsewhere); a
// link that leads to no file is refused, so that no file is ever created
// where a link points.
#pragma once

#include <string>

#include "platform/platform.h"
#include "text/file.h"

namespace kalvor {

// What the user is told (the file concerned is the caption).
constexpr const char* kUnableToCreate = "Unable to create above file.";
constexpr const char* kUnableToWrite =
    "Unable to write above file completely; it was left as it was.";
constexpr const char* kUnableToRead = "Unable to read above file to its end; nothing was changed.";
constexpr const char* kLinkToNothing =
    "Above name is a link to a file that does not exist; nothing was written.";
constexpr const char* kNotConfirmed =
    "Above file was replaced by its new version, but the system could not confirm that the "
    "change reached the disk.";

class SafeOutput {
 public:
  explicit SafeOutput(Platform& p) : p_(p) {}
  // Abort() unless committed.
  ~SafeOutput();
  SafeOutput(const SafeOutput&) = delete;
  SafeOutput& operator=(const SafeOutput&) = delete;

  // Starts a new version of `target`. When no scratch file can be made,
  // tells the user ("Unable to create above file.", the file as caption)
  // and returns false.
  bool Open(const std::string& target);
  // Where to write the new version.
  File& file() { return file_; }
  // The file being written: the target with any link followed.
  const std::string& path() const { return target_; }

  // Makes the new version the file. When anything fails, tells the user
  // (naming the file, never the scratch file), removes the scratch file
  // and returns false: the file is as it was.
  bool Commit();
  // The same, unless reading `source` (the text the new version was made
  // from) failed before its end: that is reported with the source's path
  // and nothing is replaced. `source` is closed first (an open file cannot
  // be replaced on every host).
  bool Commit(File& source);
  // Drops the new version: the scratch file goes, the file stays as it
  // was. Harmless when nothing is open or all is committed.
  void Abort();

  // Two files that belong together (a .mac and its .wir) replaced both or
  // neither: both new versions complete on the disk first; when the one
  // replaced second cannot replace its file, the other is put back as it
  // was. False after telling the user, as Commit.
  friend bool CommitPair(SafeOutput& one, SafeOutput& other);

 private:
  // Flushes, settles and closes the scratch file; false (nothing told) when
  // any of it fails.
  bool Settle();
  // Replaces the file by the scratch file, telling the user when it fails.
  bool Replace();
  Platform& p_;
  File file_;
  std::string target_;
  std::string scratch_;
  bool replaced_ = false;  // the last Replace renamed the scratch file
};

bool CommitPair(SafeOutput& one, SafeOutput& other);

// Tells the user that `path` could not be read to its end.
void ReportReadFailure(UserInterface& ui, const std::string& path);

}  // namespace kalvor
