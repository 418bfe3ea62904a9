// A plain file handle: open for reading, create (or truncate) for writing,
// open an existing file for reading and writing; read, write, seek, close.
// Reads go through a buffer of our own, so that ReadLine's "read a chunk,
// seek back to the line end" costs no system call per line; so do writes,
// so that a line costs no call of the C library.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace kalvor {

class File {
 public:
  enum class Mode { kRead, kCreate, kReadWrite };
  enum class Whence { kBegin, kCurrent, kEnd };

  File() = default;
  ~File();
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;

  // Opens `path`. For kRead, a missing name falls back (on case-sensitive
  // hosts) to the one file of the same directory whose name matches it
  // ignoring letter case.
  bool Open(const std::string& path, Mode mode);
  // Takes over `stream`, opened elsewhere for writing at `path` (a scratch
  // file made by the file-system seam); Close closes it.
  void Adopt(std::FILE* stream, const std::string& path);
  // The stream, for the seam that settles a written file on the disk.
  std::FILE* Stream() const { return fp_; }
  bool IsOpen() const { return fp_ != nullptr; }
  void Close();

  // Reads up to n bytes from the current position; returns the count.
  std::size_t Read(char* dst, std::size_t n);
  // Makes up to n bytes from the current position available contiguously
  // without moving the position; returns how many there are (fewer only at
  // the end of the file). The pointer stays valid until the next call.
  std::size_t Peek(std::size_t n, const char** data) {
    // The common case, n bytes already in the buffer, costs no call.
    if (fp_ && buf_len_ > 0 && pos_ >= buf_start_ && pos_ >= 0 &&
        static_cast<std::size_t>(pos_ - buf_start_) + n <= buf_len_) {
      *data = buf_.data() + (pos_ - buf_start_);
      return n;
    }
    return PeekOrFill(n, data);
  }
  // Moves the position forward by n bytes (after a Peek).
  void Skip(std::size_t n) { pos_ += static_cast<std::int64_t>(n); }

  // Writes are gathered and handed to the system this many bytes at a
  // time: fewer, larger writes cost the system less per byte (a quarter of
  // a megabyte still stays in the processor's second-level cache).
  static constexpr std::size_t kWriteBlock = std::size_t{1} << 18;
  bool Write(const char* src, std::size_t n) {
    // The common case, more bytes for writes already pending, costs no call.
    if (!pending_.empty() && pending_.size() + n < kWriteBlock) {
      pending_.append(src, n);
      pos_ += static_cast<std::int64_t>(n);
      return true;
    }
    return WriteAndHandOn(src, n);
  }
  bool Write(std::string_view text) { return Write(text.data(), text.size()); }

  std::int64_t Tell() const { return pos_; }
  bool Seek(std::int64_t offset, Whence whence = Whence::kBegin);
  std::int64_t Size();
  // True once any write failed.
  bool WriteFailed() const { return write_failed_; }
  // True once a read failed (an I/O error, not the end of the file): what
  // was read so far is not the whole file.
  bool ReadFailed() const { return read_failed_; }
  // Flushes pending writes to the operating system.
  bool Flush();
  const std::string& Path() const { return path_; }

 private:
  bool WriteAndHandOn(const char* src, std::size_t n);
  bool FillAt(std::int64_t offset, std::size_t want);
  bool SyncForWrite();
  bool FlushPending();  // hands the pending writes to the C stream

  std::size_t PeekOrFill(std::size_t n, const char** data);
  std::FILE* fp_ = nullptr;
  std::string path_;
  Mode mode_ = Mode::kRead;
  std::vector<char> buf_;
  std::int64_t buf_start_ = 0;  // file offset of buf_[0]
  std::size_t buf_len_ = 0;     // valid bytes in buf_
  bool buf_eof_ = false;        // the buffer reaches the end of the file
  std::int64_t pos_ = 0;        // logical position
  std::int64_t fp_pos_ = 0;     // where the C stream stands (-1: unknown)
  std::string pending_;         // written bytes not yet handed on; they end at pos_
  bool last_was_write_ = false;
  bool write_failed_ = false;
  bool read_failed_ = false;
};

// Whether `path` names an existing file (with the same letter-case fallback
// as File::Open for reading).
bool FileExists(const std::string& path);

// The path File::Open(kRead) would open for `path`: `path` itself when it
// exists, else the unique case-insensitive match, else `path`.
std::string ResolveForReading(const std::string& path);

}  // namespace kalvor
