// The Windows program's memcpy and memmove. Most copies the converters
// make are short (a name into a string, a word into a line); the C library
// under wine copies a short block with a chain of tests and one string
// instruction per byte, word and double word, which held a fifth of the .mac
// to VHDL conversion's time. Up to 32 bytes are copied here with at most
// four loads and four stores, all loads first, so that overlapping blocks
// are moved correctly too; longer blocks go to the C library's memmove.

#include <cstddef>

#include "win32/winapi.h"

namespace {

using MoveFunction = void* (*)(void*, const void*, std::size_t);

// The C library's own memmove, found once (this file's memmove hides it
// from the linker).
MoveFunction LibraryMove() {
  static MoveFunction found = nullptr;
  if (!found) {
    HMODULE crt = GetModuleHandleA("msvcrt.dll");
    found = reinterpret_cast<MoveFunction>(
        reinterpret_cast<void*>(crt ? GetProcAddress(crt, "memmove") : nullptr));
  }
  return found;
}

template <std::size_t kSize>
struct Bytes {
  unsigned char b[kSize];
};

// Copies n bytes, 0 < n <= 2 * kSize, as a head and a tail of kSize bytes
// each (overlapping when n < 2 * kSize) read before either is written.
template <std::size_t kSize>
void HeadAndTail(unsigned char* d, const unsigned char* s, std::size_t n) {
  Bytes<kSize> head;
  Bytes<kSize> tail;
  __builtin_memcpy(&head, s, kSize);
  __builtin_memcpy(&tail, s + n - kSize, kSize);
  __builtin_memcpy(d, &head, kSize);
  __builtin_memcpy(d + n - kSize, &tail, kSize);
}

void* Move(void* to, const void* from, std::size_t n) {
  auto* d = static_cast<unsigned char*>(to);
  const auto* s = static_cast<const unsigned char*>(from);
  if (n > 32) {
    if (MoveFunction move = LibraryMove()) return move(to, from, n);
    // Without the library's (it is always there): byte by byte, in the
    // direction that reads each byte before it is overwritten (through a
    // volatile pointer, which the compiler cannot make a call of memmove).
    volatile unsigned char* v = d;
    if (d < s) {
      for (std::size_t i = 0; i < n; ++i) v[i] = s[i];
    } else {
      for (std::size_t i = n; i > 0; --i) v[i - 1] = s[i - 1];
    }
    return to;
  }
  if (n > 16) {
    HeadAndTail<16>(d, s, n);
  } else if (n > 8) {
    HeadAndTail<8>(d, s, n);
  } else if (n > 4) {
    HeadAndTail<4>(d, s, n);
  } else if (n > 2) {
    HeadAndTail<2>(d, s, n);
  } else if (n > 0) {
    HeadAndTail<1>(d, s, n);
  }
  return to;
}

}  // namespace

extern "C" void* memcpy(void* to, const void* from, std::size_t n) { return Move(to, from, n); }
extern "C" void* memmove(void* to, const void* from, std::size_t n) { return Move(to, from, n); }
