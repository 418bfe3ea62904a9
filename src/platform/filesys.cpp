#include "platform/filesys.h"

#include "platform/profile.h"
#include "text/strings.h"

namespace kalvor {

bool FileSystem::HostForm(const std::string& path, std::string& result) {
  bool exists = ShortPath(path, result);
  if (!exists) result = path;
  return exists;
}

std::string FileSystem::RootDirectory() const {
  // A Windows path at the root keeps its drive ("c:") in the directory part.
  return Style() == PathStyle::kPosix ? "/" : "";
}

bool FileSystem::PathStartsWith(const std::string& path, const std::string& prefix) const {
  return Style() == PathStyle::kWindows ? StartsWithNoCase(path, prefix)
                                        : StartsWith(path, prefix);
}

const char* FileSystem::BatchLineEnd() const {
  // POSIX shells would take a CR as part of the last word.
  return Style() == PathStyle::kWindows ? "\r\n" : "\n";
}

std::string FileSystem::ScratchName(const std::string& target_name, const std::string& token) {
  // Room for the token within the usual 255-byte name limit.
  return "~" + target_name.substr(0, 200) + "." + token + "~";
}

bool FileSystem::IsScratchName(const std::string& name, const std::string& target_name) {
  const std::string head = "~" + target_name.substr(0, 200) + ".";
  return name.size() > head.size() + 1 && name.compare(0, head.size(), head) == 0 &&
         name.back() == '~';
}

long FileSystem::ScratchWriter(const std::string& name, const std::string& target_name) {
  if (!IsScratchName(name, target_name)) return 0;
  const std::size_t from = target_name.substr(0, 200).size() + 2;
  long pid = 0;
  std::size_t i = from;
  for (; i < name.size() && name[i] >= '0' && name[i] <= '9' && pid < 100000000; ++i) {
    pid = pid * 10 + (name[i] - '0');
  }
  return i > from && i < name.size() && name[i] == '-' ? pid : 0;
}

std::string FileSystem::AutoexecPath(Profile& profile) const {
  if (Style() == PathStyle::kWindows) return "c:\\autoexec.bat";
  return profile.GetString(kAutoexecKey, "", 256);
}

}  // namespace kalvor
