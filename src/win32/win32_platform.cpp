#include "win32/win32_platform.h"

#include <direct.h>
#include <fcntl.h>
#include <io.h>
#include "win32/winapi.h"

#include <cctype>
#include <cstdint>
#include <string>

#include "text/strings.h"
#include "win32/globals.h"

namespace kalvor::win32 {

void WinIniProfile::Hold() {
  held_ = true;
  loaded_ = false;
}

void WinIniProfile::Release() {
  held_ = false;
  loaded_ = false;
  entries_.clear();
}

// A "key=value" line of the section as the profile calls would answer it.
WinIniProfile::Entry WinIniProfile::EntryOf(const std::string& line) {
  Entry e;
  std::size_t eq = line.find('=');
  e.key = line.substr(0, eq);
  // Blanks around the key or the value (a system may list the lines as
  // the file has them) are the calls' to drop: such an entry is asked.
  const std::size_t first = e.key.find_first_not_of(" \t");
  const std::size_t last = e.key.find_last_not_of(" \t");
  bool blanks = first != 0 || last + 1 != e.key.size();
  if (first != std::string::npos) e.key = e.key.substr(first, last - first + 1);
  if (eq != std::string::npos) {
    e.value = line.substr(eq + 1);
    blanks = blanks || (!e.value.empty() && (e.value.front() == ' ' || e.value.front() == '\t' ||
                                             e.value.back() == ' ' || e.value.back() == '\t'));
    e.plain = !blanks && (e.value.empty() || (e.value[0] != '"' && e.value[0] != '\''));
  }
  return e;
}

bool WinIniProfile::Loaded() {
  if (!held_) return false;
  if (loaded_) return usable_;
  loaded_ = true;
  usable_ = false;
  entries_.clear();
  // "key=value" strings, each ended by a NUL, the last by two; a section
  // that does not fit is cut (the length returned is then the size less 2).
  std::vector<char> buf(1 << 16);
  DWORD n = GetProfileSectionA(kProfileSection, buf.data(), static_cast<DWORD>(buf.size()));
  if (n + 2 >= buf.size()) return false;
  for (std::size_t at = 0; at < n && buf[at] != '\0';) {
    std::string line(buf.data() + at);
    at += line.size() + 1;
    entries_.push_back(EntryOf(line));
  }
  usable_ = true;
  return true;
}

// The first entry of that name, as the profile calls find it.
WinIniProfile::Entry* WinIniProfile::Find(const std::string& key) {
  for (Entry& e : entries_) {
    if (EqualNoCase(e.key, key)) return &e;
  }
  return nullptr;
}

std::string WinIniProfile::GetString(const std::string& key,
                                     const std::string& def,
                                     std::size_t capacity) {
  if (capacity == 0) return std::string();
  // The calls drop the default's trailing blanks.
  if (Loaded() && (def.empty() || def.back() != ' ')) {
    const Entry* e = Find(key);
    if (!e || e->plain) {
      const std::string& value = e ? e->value : def;
      return value.substr(0, capacity - 1);
    }
  }
  std::vector<char> buf(capacity, '\0');
  DWORD n = GetProfileStringA(kProfileSection, key.c_str(), def.c_str(),
                              buf.data(), static_cast<DWORD>(capacity));
  return std::string(buf.data(), n);
}

long WinIniProfile::GetInt(const std::string& key, long def) {
  if (Loaded()) {
    const Entry* e = Find(key);
    if (!e) return def;
    if (e->plain && !e->value.empty() && e->value.size() <= 9 &&
        e->value.find_first_not_of("0123456789") == std::string::npos) {
      return std::stol(e->value);
    }
  }
  return static_cast<long>(static_cast<int>(
      GetProfileIntA(kProfileSection, key.c_str(), static_cast<int>(def))));
}

bool WinIniProfile::PutString(const std::string& key, const std::string& value) {
  if (!StorableSetting(key, value)) return false;
  const bool written = WriteProfileStringA(kProfileSection, key.c_str(), value.c_str()) != 0;
  if (!written) {
    loaded_ = false;  // read again at the next key asked
  } else if (loaded_ && usable_) {
    // The section read is kept up to date: the first entry of the key, as
    // the call changes it, or a new one at the end.
    Entry e = EntryOf(key + "=" + value);
    if (Entry* found = Find(e.key)) {
      *found = std::move(e);
    } else {
      entries_.push_back(std::move(e));
    }
  }
  return written;
}

OpenResult WinShell::Open(const std::string& file, const std::string& parameters,
                          const std::string& directory) {
  HINSTANCE result = ShellExecuteA(
      g_main, "open", file.c_str(),
      parameters.empty() ? nullptr : parameters.c_str(),
      directory.empty() ? nullptr : directory.c_str(), SW_SHOWNORMAL);
  // Above 32: started. The program runs on its own; it is never waited for.
  OpenResult started;
  started.started = reinterpret_cast<INT_PTR>(result) > 32;
  return started;
}

namespace {

// One of the kernel's path conversions (long or short form) of `from`;
// false when it fails.
bool ConvertPath(decltype(&GetShortPathNameA) call, const std::string& from, std::string& to) {
  DWORD need = call(from.c_str(), nullptr, 0);
  if (need == 0) return false;
  std::vector<char> buf(need + 1, '\0');
  DWORD n = call(from.c_str(), buf.data(), need + 1);
  if (n == 0 || n > need) return false;
  to.assign(buf.data(), n);
  return true;
}

}  // namespace

std::string DisplayPath(const std::string& path) {
  std::string long_form;
  return ConvertPath(GetLongPathNameA, path, long_form) ? long_form : path;
}

bool WinFileSystem::ShortPath(const std::string& path, std::string& result) {
  if (path.empty()) return false;
  // Through the long form first: a name the user typed in another letter
  // case comes back as the file system has it.
  return ConvertPath(GetShortPathNameA, DisplayPath(path), result);
}

bool WinFileSystem::ExistsOnSearchPath(const std::string& name,
                                       std::string& found) {
  if (name.empty()) return false;
  DWORD attributes = GetFileAttributesA(name.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    found = name;
    return true;
  }
  char buf[MAX_PATH];
  char* file_part = nullptr;
  DWORD n = SearchPathA(nullptr, name.c_str(), nullptr, MAX_PATH, buf, &file_part);
  if (n == 0 || n >= MAX_PATH) return false;
  found.assign(buf, n);
  return true;
}

std::vector<std::string> WinFileSystem::List(const std::string& pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  HANDLE h = FindFirstFileA(pattern.c_str(), &data);
  if (h == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      names.push_back(data.cFileName);
    }
  } while (FindNextFileA(h, &data));
  FindClose(h);
  return names;
}

std::string WinFileSystem::CurrentDirectory() {
  DWORD need = GetCurrentDirectoryA(0, nullptr);
  if (need == 0) return ".";
  std::vector<char> buf(need + 1, '\0');
  DWORD n = GetCurrentDirectoryA(need + 1, buf.data());
  return std::string(buf.data(), n);
}

bool WinFileSystem::ChangeDirectory(const std::string& dir) {
  if (dir.empty()) return false;
  if (dir.size() >= 2 && dir[1] == ':' && std::isalpha(static_cast<unsigned char>(dir[0]))) {
    int drive = std::toupper(static_cast<unsigned char>(dir[0])) - 'A' + 1;
    if (_chdrive(drive) != 0) return false;
  }
  return SetCurrentDirectoryA(dir.c_str()) != 0;
}

std::string WinFileSystem::ExecutablePath() {
  std::vector<char> buf(MAX_PATH, '\0');
  for (;;) {
    DWORD n = GetModuleFileNameA(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    if (n == 0) return std::string();
    if (n < buf.size()) return std::string(buf.data(), n);
    buf.resize(buf.size() * 2);
  }
}

bool WinFileSystem::ReplaceFile(const std::string& source,
                                const std::string& target) {
  return MoveFileExA(source.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

namespace {

// Removes the scratch files of `name` in `dir` whose writer no longer runs:
// a run killed midway leaves its scratch file, and the next run of the same
// target takes it away.
void RemoveDeadScratchFiles(const std::string& dir, const std::string& name) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((dir + "~*~").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    long pid = FileSystem::ScratchWriter(data.cFileName, name);
    if (pid <= 0 || static_cast<DWORD>(pid) == GetCurrentProcessId() ||
        (data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))) {
      continue;
    }
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(pid));
    if (process) {
      bool ended = WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
      CloseHandle(process);
      if (!ended) continue;
    } else if (GetLastError() != ERROR_INVALID_PARAMETER) {
      continue;  // running, but not ours to look at
    }
    DeleteFileA((dir + data.cFileName).c_str());
  } while (FindNextFileA(find, &data));
  FindClose(find);
}

}  // namespace

std::FILE* WinFileSystem::CreateScratch(const std::string& target,
                                        std::string& scratch_path) {
  static unsigned serial = 0;
  std::size_t sep = target.find_last_of("\\/:");
  const std::string dir = sep == std::string::npos ? std::string() : target.substr(0, sep + 1);
  const std::string name = target.substr(dir.size());
  RemoveDeadScratchFiles(dir, name);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string path = dir + ScratchName(name, std::to_string(GetCurrentProcessId()) + "-" +
                                                   std::to_string(serial++));
    // CREATE_NEW: never an existing file, never through a link.
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
      DWORD error = GetLastError();
      if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) continue;
      return nullptr;
    }
    int fd = _open_osfhandle(reinterpret_cast<std::intptr_t>(h), _O_WRONLY | _O_BINARY);
    if (fd < 0) {
      CloseHandle(h);
      DeleteFileA(path.c_str());
      return nullptr;
    }
    std::FILE* stream = _fdopen(fd, "wb");
    if (!stream) {
      _close(fd);
      DeleteFileA(path.c_str());
      return nullptr;
    }
    scratch_path = path;
    return stream;
  }
  return nullptr;
}

bool WinFileSystem::SettleScratch(std::FILE* stream, const std::string&) {
  // A read-only target is not replaced (MoveFileEx refuses), so there are
  // no permission bits to carry over.
  if (std::fflush(stream) != 0) return false;
  HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
  return h != INVALID_HANDLE_VALUE && FlushFileBuffers(h) != 0;
}

bool WinFileSystem::RemoveFile(const std::string& path) {
  return DeleteFileA(path.c_str()) != 0;
}

}  // namespace kalvor::win32
