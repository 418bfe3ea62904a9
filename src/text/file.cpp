#include "text/file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifndef _WIN32
#include <sys/types.h>
#endif

#include "text/path_style.h"
#include "text/strings.h"

namespace kalvor {

namespace {

constexpr std::size_t kBufferSize = 1 << 18;  // read at a time

// Stream positions as 64-bit offsets on every host: `long` has 32 bits on
// Windows (and the 32-bit program), which would cut files at 2 GiB.
int SeekStream(std::FILE* f, std::int64_t offset, int whence) {
#ifdef _WIN32
  return _fseeki64(f, offset, whence);
#else
  return fseeko(f, static_cast<off_t>(offset), whence);
#endif
}

std::int64_t TellStream(std::FILE* f) {
#ifdef _WIN32
  return _ftelli64(f);
#else
  return static_cast<std::int64_t>(ftello(f));
#endif
}

bool PlainExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(std::filesystem::path(path), ec);
}

}  // namespace

std::string ResolveForReading(const std::string& path) {
  if (HostPathStyle() == PathStyle::kWindows || path.empty() ||
      PlainExists(path)) {
    return path;
  }
  std::filesystem::path p = std::filesystem::path(path);
  std::filesystem::path dir = p.parent_path();
  std::string name = p.filename().string();
  if (name.empty()) return path;
  std::error_code ec;
  std::filesystem::directory_iterator it(dir.empty() ? "." : dir, ec), end;
  std::string match;
  int count = 0;
  for (; !ec && it != end; it.increment(ec)) {
    std::string candidate = it->path().filename().string();
    if (EqualNoCase(candidate, name)) {
      ++count;
      match = candidate;
    }
  }
  if (count != 1) return path;
  return dir.empty() ? match : (dir / std::filesystem::path(match)).string();
}

bool FileExists(const std::string& path) {
  return PlainExists(ResolveForReading(path));
}

File::~File() { Close(); }

File::File(File&& other) noexcept { *this = std::move(other); }

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    Close();
    fp_ = other.fp_;
    path_ = std::move(other.path_);
    mode_ = other.mode_;
    buf_ = std::move(other.buf_);
    buf_start_ = other.buf_start_;
    buf_len_ = other.buf_len_;
    buf_eof_ = other.buf_eof_;
    pos_ = other.pos_;
    fp_pos_ = other.fp_pos_;
    pending_ = std::move(other.pending_);
    last_was_write_ = other.last_was_write_;
    write_failed_ = other.write_failed_;
    read_failed_ = other.read_failed_;
    other.fp_ = nullptr;
  }
  return *this;
}

bool File::Open(const std::string& path, Mode mode) {
  Close();
  const char* how = "rb";
  std::string actual = path;
  switch (mode) {
    case Mode::kRead:
      actual = ResolveForReading(path);
      how = "rb";
      break;
    case Mode::kCreate:
      how = "wb";
      break;
    case Mode::kReadWrite:
      how = "r+b";
      break;
  }
  if (mode != Mode::kCreate) {
    // Directories open as streams on some hosts; they are not files.
    std::error_code ec;
    if (std::filesystem::is_directory(std::filesystem::path(actual), ec)) {
      return false;
    }
  }
  std::FILE* stream = std::fopen(actual.c_str(), how);
  if (!stream) return false;
  Adopt(stream, actual);
  mode_ = mode;
  return true;
}

void File::Adopt(std::FILE* stream, const std::string& path) {
  Close();
  // Reads and writes are gathered here in large blocks: a buffer in the C
  // stream as well would only split each block in two system calls.
  std::setvbuf(stream, nullptr, _IONBF, 0);
  fp_ = stream;
  path_ = path;
  mode_ = Mode::kCreate;
  buf_.clear();
  buf_start_ = 0;
  buf_len_ = 0;
  buf_eof_ = false;
  pos_ = 0;
  fp_pos_ = 0;
  pending_.clear();
  last_was_write_ = false;
  write_failed_ = false;
  read_failed_ = false;
}

void File::Close() {
  if (fp_) {
    FlushPending();
    // A failed close of a written file may have lost its last bytes.
    if (std::fclose(fp_) != 0 && mode_ != Mode::kRead) write_failed_ = true;
    fp_ = nullptr;
  }
  buf_len_ = 0;
}

bool File::FillAt(std::int64_t offset, std::size_t want) {
  if (!fp_) return false;
  if (last_was_write_) {
    FlushPending();
    std::fflush(fp_);
    last_was_write_ = false;
  }
  std::size_t cap = std::max(kBufferSize, want);
  if (buf_.size() < cap) buf_.resize(cap);
  // The bytes from `offset` still buffered move to the front, and the read
  // goes on where the stream stands: each byte is read once.
  std::int64_t end = buf_start_ + static_cast<std::int64_t>(buf_len_);
  std::size_t keep = 0;
  if (buf_len_ > 0 && offset >= buf_start_ && offset <= end && fp_pos_ == end) {
    keep = static_cast<std::size_t>(end - offset);
    std::memmove(buf_.data(), buf_.data() + (offset - buf_start_), keep);
  } else if (fp_pos_ != offset) {
    if (SeekStream(fp_, offset, SEEK_SET) != 0) {
      fp_pos_ = -1;
      buf_len_ = 0;
      read_failed_ = true;
      return false;
    }
  }
  buf_start_ = offset;
  std::size_t got = std::fread(buf_.data() + keep, 1, buf_.size() - keep, fp_);
  buf_len_ = keep + got;
  buf_eof_ = got < buf_.size() - keep;
  if (buf_eof_ && std::ferror(fp_)) {
    // A short read that is not the end of the file: the reader stops here
    // as at the end, and ReadFailed() tells it the text is incomplete.
    read_failed_ = true;
    std::clearerr(fp_);
    fp_pos_ = -1;
  }
  if (fp_pos_ != -1) fp_pos_ = offset + static_cast<std::int64_t>(buf_len_);
  return true;
}

std::size_t File::PeekOrFill(std::size_t n, const char** data) {
  *data = nullptr;
  if (!fp_ || pos_ < 0) return 0;
  std::int64_t end = buf_start_ + static_cast<std::int64_t>(buf_len_);
  bool inside = buf_len_ > 0 && pos_ >= buf_start_ && pos_ <= end;
  std::size_t avail =
      inside ? static_cast<std::size_t>(end - pos_) : std::size_t{0};
  if (!inside || (avail < n && !buf_eof_)) {
    if (!FillAt(pos_, n)) return 0;
    avail = buf_len_;
  }
  *data = buf_.data() + (pos_ - buf_start_);
  return std::min(avail, n);
}

std::size_t File::Read(char* dst, std::size_t n) {
  std::int64_t end = buf_start_ + static_cast<std::int64_t>(buf_len_);
  bool buffered = buf_len_ > 0 && pos_ >= buf_start_ && pos_ < end;
  if (!buffered && n >= kBufferSize / 4 && fp_ && !last_was_write_ && pos_ >= 0) {
    // A large read with nothing buffered goes straight to the caller.
    if (fp_pos_ != pos_ && SeekStream(fp_, pos_, SEEK_SET) != 0) {
      fp_pos_ = -1;
      read_failed_ = true;
      return 0;
    }
    std::size_t got = std::fread(dst, 1, n, fp_);
    fp_pos_ = pos_ + static_cast<std::int64_t>(got);
    if (got < n && std::ferror(fp_)) {
      read_failed_ = true;
      std::clearerr(fp_);
      fp_pos_ = -1;
    }
    pos_ += static_cast<std::int64_t>(got);
    buf_len_ = 0;
    return got;
  }
  const char* data = nullptr;
  std::size_t got = Peek(n, &data);
  if (got) std::memcpy(dst, data, got);
  pos_ += static_cast<std::int64_t>(got);
  return got;
}

bool File::SyncForWrite() {
  if (fp_pos_ != pos_) {
    if (SeekStream(fp_, pos_, SEEK_SET) != 0) return false;
    fp_pos_ = pos_;
  }
  return true;
}

bool File::WriteAndHandOn(const char* src, std::size_t n) {
  if (!fp_ || mode_ == Mode::kRead) {
    write_failed_ = true;
    return false;
  }
  if (pending_.empty()) {
    if (!last_was_write_) {
      // Switching from reading to writing needs a positioning call.
      fp_pos_ = -1;
    }
    // Anything buffered for reading that overlaps is stale from now on.
    buf_len_ = 0;
    buf_eof_ = false;
    if (!SyncForWrite()) {
      write_failed_ = true;
      return false;
    }
    last_was_write_ = true;
  }
  if (n < kWriteBlock) {
    pending_.append(src, n);
    pos_ += static_cast<std::int64_t>(n);
    return pending_.size() < kWriteBlock || FlushPending();
  }
  // A block as large as the gathering buffer goes to the stream as it is,
  // after what is pending, rather than through a copy.
  if (!FlushPending()) return false;
  pos_ += static_cast<std::int64_t>(n);
  const bool ok = std::fwrite(src, 1, n, fp_) == n;
  fp_pos_ = ok ? pos_ : -1;
  if (!ok) write_failed_ = true;
  return ok;
}

bool File::FlushPending() {
  if (pending_.empty()) return true;
  std::size_t put = std::fwrite(pending_.data(), 1, pending_.size(), fp_);
  bool ok = put == pending_.size();
  fp_pos_ = ok ? pos_ : -1;
  pending_.clear();
  if (!ok) write_failed_ = true;
  return ok;
}

bool File::Flush() {
  if (!fp_) return false;
  if (!FlushPending() || std::fflush(fp_) != 0) {
    write_failed_ = true;
    return false;
  }
  return true;
}

std::int64_t File::Size() {
  if (!fp_) return 0;
  FlushPending();
  if (last_was_write_) std::fflush(fp_);
  if (SeekStream(fp_, 0, SEEK_END) != 0) return 0;
  std::int64_t size = TellStream(fp_);
  fp_pos_ = size;
  if (last_was_write_) fp_pos_ = -1;
  return size < 0 ? 0 : size;
}

bool File::Seek(std::int64_t offset, Whence whence) {
  if (!fp_) return false;
  FlushPending();
  std::int64_t target = offset;
  if (whence == Whence::kCurrent) target = pos_ + offset;
  if (whence == Whence::kEnd) target = Size() + offset;
  if (target < 0) return false;
  pos_ = target;
  return true;
}

}  // namespace kalvor
