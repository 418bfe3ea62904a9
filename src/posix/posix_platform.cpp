#include "posix/posix_platform.h"

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <limits.h>
#include <malloc.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "text/strings.h"

namespace kalvor {

namespace {

std::string Trim(const std::string& s) {
  std::size_t b = s.find_first_not_of(" \t\r\n");
  if (b == std::string::npos) return std::string();
  std::size_t e = s.find_last_not_of(" \t\r\n");
  return s.substr(b, e - b + 1);
}

// The lines of the settings file. False when the file exists but cannot be
// read to its end (a missing file is an empty one): such a file must never
// be rewritten from the part that was read.
bool ReadIniLines(const std::string& path, std::vector<std::string>& lines) {
  lines.clear();
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return errno == ENOENT;
  std::string text;
  std::vector<char> block(1 << 16);
  while (std::size_t got = std::fread(block.data(), 1, block.size(), f)) {
    text.append(block.data(), got);
  }
  bool whole = !std::ferror(f);
  if (std::fclose(f) != 0) whole = false;
  if (!whole) return false;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return true;
}

bool IsSection(const std::string& line, std::string* name) {
  std::string t = Trim(line);
  if (t.size() < 2 || t.front() != '[' || t.back() != ']') return false;
  *name = Trim(t.substr(1, t.size() - 2));
  return true;
}

bool IsExecutableFile(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
         ::access(path.c_str(), X_OK) == 0;
}

// The one executable in `dir` whose name matches `name` ignoring letter
// case (program names are not case-sensitive where the settings come from:
// "LVS.EXE" finds lvs.exe); empty when there is none or more than one.
std::string FindNoCaseIn(const std::string& dir, const std::string& name) {
  std::error_code ec;
  std::string match;
  int count = 0;
  for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end;
       it.increment(ec)) {
    std::string candidate = it->path().filename().string();
    if (EqualNoCase(candidate, name) && IsExecutableFile(dir + "/" + candidate)) {
      ++count;
      match = dir + "/" + candidate;
    }
  }
  return count == 1 ? match : std::string();
}

// Looks a bare program name up along PATH: an exact match first, then a
// match ignoring letter case.
std::string FindOnPath(const std::string& name) {
  if (name.find('/') != std::string::npos) {
    return IsExecutableFile(name) ? name : std::string();
  }
  const char* path = std::getenv("PATH");
  std::string list = path ? path : "/usr/bin:/bin";
  std::vector<std::string> dirs;
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t end = list.find(':', start);
    if (end == std::string::npos) end = list.size();
    std::string dir = list.substr(start, end - start);
    dirs.push_back(dir.empty() ? "." : dir);
    start = end + 1;
  }
  for (const std::string& dir : dirs) {
    std::string candidate = dir + "/" + name;
    if (IsExecutableFile(candidate)) return candidate;
  }
  for (const std::string& dir : dirs) {
    std::string candidate = FindNoCaseIn(dir, name);
    if (!candidate.empty()) return candidate;
  }
  return std::string();
}

// Runs argv in `directory` and waits for it, its standard output going to
// the file `output` (relative to `directory`) when that is not empty. A
// program killed by a signal reports 128 plus the signal's number, as a
// shell would.
OpenResult RunAndWait(const std::vector<std::string>& args,
                      const std::string& directory, const std::string& output = "") {
  if (args.empty()) return {};
  int pipefd[2];
  if (::pipe(pipefd) != 0) return {};
  ::fcntl(pipefd[1], F_SETFD, FD_CLOEXEC);
  pid_t pid = ::fork();
  if (pid < 0) {
    ::close(pipefd[0]);
    ::close(pipefd[1]);
    return {};
  }
  if (pid == 0) {
    ::close(pipefd[0]);
    if (!directory.empty() && ::chdir(directory.c_str()) != 0) {
      int err = errno;
      ssize_t w = ::write(pipefd[1], &err, sizeof err);
      (void)w;
      ::_exit(127);
    }
    if (!output.empty()) {
      int fd = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
      if (fd < 0 || ::dup2(fd, STDOUT_FILENO) < 0) {
        int err = errno;
        ssize_t w = ::write(pipefd[1], &err, sizeof err);
        (void)w;
        ::_exit(127);
      }
    }
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    int err = errno;
    ssize_t w = ::write(pipefd[1], &err, sizeof err);
    (void)w;
    ::_exit(127);
  }
  ::close(pipefd[1]);
  int err = 0;
  ssize_t got = ::read(pipefd[0], &err, sizeof err);
  ::close(pipefd[0]);
  int status = 0;
  pid_t waited = 0;
  while ((waited = ::waitpid(pid, &status, 0)) < 0 && errno == EINTR) {
  }
  if (got == static_cast<ssize_t>(sizeof err)) return {};
  OpenResult result;
  result.started = true;
  if (waited == pid) {
    result.waited = true;
    if (WIFEXITED(status)) result.exit_status = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) result.exit_status = 128 + WTERMSIG(status);
  }
  return result;
}

// A batch file as the program writes it: one line, "PROGRAM ARGUMENTS >
// OUTPUT", with double quotes grouping and "%%" standing for "%". It is run
// without a shell: the program with its arguments, the output redirected
// here. Anything else in the line is an argument, never a command.
OpenResult RunBatchFile(const std::string& path, const std::string& directory) {
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    if (!line.empty()) break;
  }
  std::string text;
  for (std::size_t i = 0; i < line.size(); ++i) {
    text += line[i];
    if (line[i] == '%' && i + 1 < line.size() && line[i + 1] == '%') ++i;
  }
  std::vector<std::string> args = SplitArguments(text);
  std::string output;
  if (args.size() >= 2 && args[args.size() - 2] == ">") {
    output = args.back();
    args.resize(args.size() - 2);
  } else if (!args.empty() && args.back().size() > 1 && args.back()[0] == '>') {
    output = args.back().substr(1);
    args.pop_back();
  }
  if (args.empty()) return {};
  std::string program = FindOnPath(args[0]);
  if (program.empty()) return {};
  args[0] = program;
  return RunAndWait(args, directory, output);
}

}  // namespace

const std::vector<std::string>& IniProfile::Lines() {
  if (!loaded_) {
    loaded_ = true;
    // A file that cannot be read gives the defaults; it is never rewritten
    // (PutStrings reads it again and stops).
    if (!ReadIniLines(path_, lines_)) {
      lines_.clear();
      read_failed_ = true;
    }
  }
  return lines_;
}

bool IniProfile::Lookup(const std::string& key, std::string& value) {
  bool in_section = false;
  for (const std::string& line : Lines()) {
    std::string name;
    if (IsSection(line, &name)) {
      in_section = EqualNoCase(name, kProfileSection);
      continue;
    }
    if (!in_section) continue;
    std::size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    if (EqualNoCase(Trim(line.substr(0, eq)), key)) {
      value = line.substr(eq + 1);
      return true;
    }
  }
  return false;
}

std::string IniProfile::GetString(const std::string& key, const std::string& def,
                                  std::size_t capacity) {
  std::string value;
  if (!Lookup(key, value)) value = def;
  if (capacity > 0 && value.size() > capacity - 1) value.resize(capacity - 1);
  return value;
}

long IniProfile::GetInt(const std::string& key, long def) {
  std::string value;
  if (!Lookup(key, value)) return def;
  return LeadingInt(value);
}

namespace {

// Sets `key` in section [RDMX] of the INI text `lines` (adding the key, and
// the section, when missing).
void SetIniKey(std::vector<std::string>& lines, const std::string& key, const std::string& value) {
  std::vector<std::string> out;
  bool in_section = false;
  bool section_seen = false;
  bool written = false;
  for (const std::string& line : lines) {
    std::string name;
    if (IsSection(line, &name)) {
      if (in_section && !written) {
        // Keep blank lines at the section's end after the new key.
        std::size_t insert_at = out.size();
        while (insert_at > 0 && Trim(out[insert_at - 1]).empty()) --insert_at;
        out.insert(out.begin() + static_cast<long>(insert_at), key + "=" + value);
        written = true;
      }
      in_section = EqualNoCase(name, kProfileSection);
      section_seen = section_seen || in_section;
      out.push_back(line);
      continue;
    }
    if (in_section && !written) {
      std::size_t eq = line.find('=');
      if (eq != std::string::npos && EqualNoCase(Trim(line.substr(0, eq)), key)) {
        out.push_back(Trim(line.substr(0, eq)) + "=" + value);
        written = true;
        continue;
      }
    }
    out.push_back(line);
  }
  if (!written) {
    if (!section_seen) {
      if (!out.empty() && !Trim(out.back()).empty()) out.push_back("");
      out.push_back(std::string("[") + kProfileSection + "]");
    }
    out.push_back(key + "=" + value);
  }
  lines = std::move(out);
}

// Holds an exclusive lock on a directory while the settings file in it is
// read, changed and replaced: writers of other processes wait their turn,
// so no change is lost and no two are mixed.
class DirectoryLock {
 public:
  explicit DirectoryLock(const std::string& dir)
      : fd_(::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    if (fd_ >= 0) {
      while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
      }
    }
  }
  ~DirectoryLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  DirectoryLock(const DirectoryLock&) = delete;
  DirectoryLock& operator=(const DirectoryLock&) = delete;

 private:
  int fd_;
};

// Removes the temporary files that writers of `name` killed midway left in
// `dir` (called under the lock, when no writer is at work): scratch files,
// and the "NAME.tmp.PID.N" files of earlier versions.
void RemoveStaleTemporaries(const std::string& dir, const std::string& name) {
  std::error_code ec;
  for (std::filesystem::directory_iterator it(dir.empty() ? "." : dir, ec), end;
       !ec && it != end; it.increment(ec)) {
    std::string entry = it->path().filename().string();
    if (FileSystem::IsScratchName(entry, name) || entry.rfind(name + ".tmp.", 0) == 0) {
      std::error_code ignored;
      std::filesystem::remove(it->path(), ignored);
    }
  }
}

}  // namespace

bool IniProfile::PutString(const std::string& key, const std::string& value) {
  return PutStrings({{key, value}});
}

bool IniProfile::PutStrings(const std::vector<std::pair<std::string, std::string>>& entries) {
  bool changes = false;
  for (const auto& [key, value] : entries) {
    if (!StorableSetting(key, value)) return Failed();
    std::string stored;
    if (!Lookup(key, stored) || stored != value) changes = true;
  }
  if (!changes) return true;
  PosixFileSystem fs;
  const std::string target = fs.FinalPath(path_);
  std::filesystem::path parent = std::filesystem::path(target).parent_path();
  std::error_code ec;
  if (!parent.empty()) std::filesystem::create_directories(parent, ec);
  const std::string dir = parent.empty() ? std::string() : parent.string() + "/";
  // One change under the lock: the file as it is now (other runs may have
  // changed it since it was first read), these keys set, the whole replaced.
  DirectoryLock lock(dir);
  RemoveStaleTemporaries(dir, target.substr(dir.size()));
  struct stat st;
  if (::stat(target.c_str(), &st) == 0 &&
      (!S_ISREG(st.st_mode) || ::access(target.c_str(), W_OK) != 0)) {
    return Failed();  // a directory, or a file the user made read-only
  }
  std::vector<std::string> lines;
  if (!ReadIniLines(target, lines)) return Failed();
  for (const auto& [key, value] : entries) SetIniKey(lines, key, value);
  std::string scratch;
  std::FILE* stream = fs.CreateScratch(target, scratch);
  if (!stream) return Failed();
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  bool ok = std::fwrite(text.data(), 1, text.size(), stream) == text.size();
  ok = fs.SettleScratch(stream, target) && ok;
  ok = std::fclose(stream) == 0 && ok;
  if (!ok || !fs.ReplaceFile(scratch, target)) {
    ::unlink(scratch.c_str());
    return Failed();
  }
  lines_ = std::move(lines);
  loaded_ = true;
  return true;
}

std::string DefaultIniPath() {
  if (const char* env = std::getenv("KALVOR_INI"); env && *env) return env;
  std::string base;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
    base = xdg;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    base = std::string(home) + "/.config";
  } else {
    base = ".";
  }
  return base + "/kalvor/kalvor.ini";
}

std::vector<std::string> SplitArguments(const std::string& line) {
  std::vector<std::string> args;
  std::string current;
  bool in_word = false;
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    char c = line[i];
    if (c == '\\') {
      // Backslashes are plain unless a double quote follows: then each pair
      // stands for one, and an odd one makes the quote plain.
      std::size_t run = line.find_first_not_of('\\', i) == std::string::npos
                            ? line.size() - i
                            : line.find_first_not_of('\\', i) - i;
      bool before_quote = i + run < line.size() && line[i + run] == '"';
      current.append(before_quote ? run / 2 : run, '\\');
      in_word = true;
      i += run - 1;
      if (before_quote && run % 2 == 1) {
        current += '"';
        ++i;
      }
      continue;
    }
    if (c == '"') {
      quoted = !quoted;
      in_word = true;
      continue;
    }
    if (!quoted && (c == ' ' || c == '\t')) {
      if (in_word) args.push_back(current);
      current.clear();
      in_word = false;
      continue;
    }
    current += c;
    in_word = true;
  }
  if (in_word) args.push_back(current);
  return args;
}

OpenResult PosixShell::Open(const std::string& file, const std::string& parameters,
                            const std::string& directory) {
  std::string program = FindOnPath(file);
  std::vector<std::string> args;
  if (!program.empty()) {
    args.push_back(program);
  } else {
    // Not a program: a batch file runs through the shell, anything else is a
    // document for the desktop's opener.
    std::string where = file;
    if (!directory.empty() && !file.empty() && file[0] != '/') {
      where = directory + "/" + file;
    }
    struct stat st;
    if (::stat(where.c_str(), &st) != 0) return {};
    std::size_t dot = file.rfind('.');
    if (dot != std::string::npos && EqualNoCase(file.substr(dot), ".bat")) {
      return RunBatchFile(where, directory);
    }
    std::string opener = FindOnPath("xdg-open");
    if (opener.empty()) return {};  // no association
    args = {opener, where};
    return RunAndWait(args, directory);
  }
  for (std::string& a : SplitArguments(parameters)) args.push_back(std::move(a));
  return RunAndWait(args, directory);
}

bool PosixFileSystem::ShortPath(const std::string& path, std::string& result) {
  struct stat st;
  if (path.empty() || ::stat(path.c_str(), &st) != 0) return false;
  result = path;
  return true;
}

bool PosixFileSystem::ExistsOnSearchPath(const std::string& name,
                                         std::string& found) {
  if (name.empty()) return false;
  struct stat st;
  if (::stat(name.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
    found = name;
    return true;
  }
  if (name.find('/') != std::string::npos) return false;
  found = FindOnPath(name);
  return !found.empty();
}

std::vector<std::string> PosixFileSystem::List(const std::string& pattern) {
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(".", ec), end; !ec && it != end;
       it.increment(ec)) {
    std::error_code ec2;
    if (!it->is_regular_file(ec2)) continue;
    std::string name = it->path().filename().string();
    if (::fnmatch(pattern.c_str(), name.c_str(), FNM_CASEFOLD) == 0) {
      names.push_back(name);
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string PosixFileSystem::CurrentDirectory() {
  std::vector<char> buf(PATH_MAX);
  if (!::getcwd(buf.data(), buf.size())) return ".";
  return buf.data();
}

bool PosixFileSystem::ChangeDirectory(const std::string& dir) {
  return !dir.empty() && ::chdir(dir.c_str()) == 0;
}

std::string PosixFileSystem::ExecutablePath() {
  std::vector<char> buf(PATH_MAX + 1, '\0');
  ssize_t n = ::readlink("/proc/self/exe", buf.data(), PATH_MAX);
  if (n <= 0) return std::string();
  return std::string(buf.data(), static_cast<std::size_t>(n));
}

namespace {

// The directory part of `path` with its slash ("" for a bare name).
std::string DirectoryWithSlash(const std::string& path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Removes the scratch files of `name` in `dir` that belong to this user and
// whose writer is no longer running: a run killed midway leaves its scratch
// file, and the next run of the same target takes it away.
void RemoveDeadScratchFiles(const std::string& dir, const std::string& name) {
  DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
  if (!d) return;
  while (const dirent* entry = ::readdir(d)) {
    long pid = FileSystem::ScratchWriter(entry->d_name, name);
    if (pid <= 0 || pid == ::getpid()) continue;
    std::string path = dir + entry->d_name;
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::getuid()) {
      continue;
    }
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) ::unlink(path.c_str());
  }
  ::closedir(d);
}

}  // namespace


bool PosixFileSystem::ReplaceFile(const std::string& source,
                                  const std::string& target) {
  if (std::rename(source.c_str(), target.c_str()) != 0) return false;
  // The new name reaches the disk with the directory.
  std::string dir = DirectoryWithSlash(target);
  int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  bool synced = ::fsync(fd) == 0;
  return ::close(fd) == 0 && synced;
}

std::FILE* PosixFileSystem::CreateScratch(const std::string& target,
                                          std::string& scratch_path) {
  static std::atomic<unsigned> serial{0};
  const std::string dir = DirectoryWithSlash(target);
  const std::string name = target.substr(dir.size());
  RemoveDeadScratchFiles(dir, name);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string path = dir + ScratchName(name, std::to_string(::getpid()) + "-" +
                                                   std::to_string(serial.fetch_add(1)));
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return nullptr;
    }
    std::FILE* stream = ::fdopen(fd, "wb");
    if (!stream) {
      ::close(fd);
      ::unlink(path.c_str());
      return nullptr;
    }
    scratch_path = path;
    return stream;
  }
  return nullptr;
}

bool PosixFileSystem::SettleScratch(std::FILE* stream, const std::string& model) {
  if (std::fflush(stream) != 0) return false;
  int fd = ::fileno(stream);
  struct stat st;
  if (::stat(model.c_str(), &st) == 0 && ::fchmod(fd, st.st_mode & 07777) != 0) return false;
  return ::fsync(fd) == 0;
}

std::string PosixFileSystem::FinalPath(const std::string& path) {
  std::string current = path;
  // As many links as the kernel itself follows.
  for (int hop = 0; hop < 40; ++hop) {
    struct stat st;
    if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
    std::vector<char> buf(PATH_MAX + 1, '\0');
    ssize_t n = ::readlink(current.c_str(), buf.data(), PATH_MAX);
    if (n <= 0) return current;
    std::string link(buf.data(), static_cast<std::size_t>(n));
    current = link[0] == '/' ? link : DirectoryWithSlash(current) + link;
  }
  return current;
}

bool PosixFileSystem::RemoveFile(const std::string& path) {
  return std::remove(path.c_str()) == 0;
}

void SetUpProcessMemory() {
  // Large tables go back to the system when they are freed: a fixed
  // threshold, not one that rises with each large table freed and leaves
  // the next ones in the heap, where freeing them keeps them resident.
  // Tables under a megabyte stay in the heap: a conversion makes and frees
  // them per cell or per block, and mapping each afresh costs a page fault
  // per 4 KB (leon3mp's EDIF import mapped 38 MB in 270 such blocks).
  mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
  // Up to 4 MB freed at the top of the heap stay there for the next cell,
  // rather than going back to the system and being faulted in again.
  mallopt(M_TRIM_THRESHOLD, 4 * 1024 * 1024);
#ifdef MADV_HUGEPAGE
  // The heap in large pages: a conversion's many small tables are faulted
  // in 2 MB at a time, not 4 KB at a time (leon3mp's standard VHDL took
  // 6,300 page faults, now about 430). The heap grows by 64 MB of address
  // space at once and keeps that much when memory is freed, so that its
  // first 64 MB stay one mapping, advised here once; beyond that it takes
  // ordinary pages. Where the system gives no large pages, nothing changes.
  mallopt(M_TOP_PAD, 64 * 1024 * 1024);
  auto* const before = static_cast<char*>(sbrk(0));
  void* volatile grown = malloc(256 * 1024);  // volatile: a call the compiler keeps
  free(grown);
  auto* const after = static_cast<char*>(sbrk(0));
  const auto failed = reinterpret_cast<char*>(-1);
  if (before != failed && after != failed && after > before) {
    // From the page the old end lies in: the heap's own mapping.
    char* const start = before - reinterpret_cast<std::uintptr_t>(before) % 4096;
    madvise(start, static_cast<std::size_t>(after - start), MADV_HUGEPAGE);
  }
#endif
}

}  // namespace kalvor
