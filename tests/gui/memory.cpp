// The Windows program's own memcpy, memmove, new and delete
// (src/win32/short_copies.cpp, src/win32/small_blocks.cpp), linked in as
// in kalvor.exe and run under wine by scripts/test.d/win32_gui.sh: every
// length up to past the short copies' limit at every pair of places in a
// buffer, overlapping either way, against a copy made byte by byte; blocks
// of every size class and beyond, allocated and freed in a random order,
// each keeping its bytes and its alignment. Prints what failed; exit 1.

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>
#include <random>
#include <vector>

namespace {

int g_failures = 0;

void Fail(const char* what, std::size_t a, std::size_t b, std::size_t c) {
  if (++g_failures <= 10) std::printf("FAIL %s (%zu, %zu, %zu)\n", what, a, b, c);
}

void Fill(unsigned char* p, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) p[i] = static_cast<unsigned char>(i * 7 + 3);
}

void Copies() {
  constexpr std::size_t kRoom = 256;
  unsigned char buf[kRoom];
  unsigned char want[kRoom];
  unsigned char held[kRoom];
  volatile std::size_t length = 0;  // so that no call is made inline
  for (std::size_t n = 0; n <= 80; ++n) {
    for (std::size_t from = 0; from + n <= 120; ++from) {
      for (std::size_t to = 0; to + n <= 120; ++to) {
        Fill(want, kRoom);
        for (std::size_t i = 0; i < n; ++i) held[i] = want[from + i];
        for (std::size_t i = 0; i < n; ++i) want[to + i] = held[i];
        length = n;
        Fill(buf, kRoom);
        if (std::memmove(buf + to, buf + from, length) != buf + to ||
            std::memcmp(buf, want, kRoom) != 0) {
          Fail("memmove", n, from, to);
        }
        if (to >= from + n || from >= to + n) {
          Fill(buf, kRoom);
          if (std::memcpy(buf + to, buf + from, length) != buf + to ||
              std::memcmp(buf, want, kRoom) != 0) {
            Fail("memcpy", n, from, to);
          }
        }
      }
    }
  }
}

void Blocks() {
  std::mt19937 random(7);
  struct Live {
    unsigned char* p;
    std::size_t n;
  };
  std::vector<Live> live;
  for (int step = 0; step < 300000; ++step) {
    if (live.empty() || random() % 3 != 0) {
      std::size_t n = random() % 4 == 0 ? random() % 5000 : random() % 300;
      auto* p = new unsigned char[n];
      // The C library's alignment: 16 bytes in 64-bit programs, 8 in 32-bit.
      if (reinterpret_cast<std::uintptr_t>(p) % (2 * sizeof(void*)) != 0) {
        Fail("alignment", n, 0, 0);
      }
      std::memset(p, static_cast<int>(n & 0xFF), n);
      live.push_back({p, n});
    } else {
      std::size_t k = random() % live.size();
      Live block = live[k];
      for (std::size_t i = 0; i < block.n; ++i) {
        if (block.p[i] != (block.n & 0xFF)) {
          Fail("kept bytes", block.n, i, 0);
          break;
        }
      }
      delete[] block.p;
      live[k] = live.back();
      live.pop_back();
    }
  }
  for (Live& block : live) delete[] block.p;
  // More than there is: std::bad_alloc, and nullptr from the nothrow form.
  volatile std::size_t huge = static_cast<std::size_t>(-1) / 2;
  try {
    unsigned char* p = new unsigned char[huge];
    p[0] = 1;
    Fail("bad_alloc", huge, 0, 0);
  } catch (const std::bad_alloc&) {
  }
  if (new (std::nothrow) unsigned char[huge] != nullptr) Fail("nothrow new", huge, 0, 0);
}

}  // namespace

int main() {
  Copies();
  Blocks();
  std::printf("%s: memcpy, memmove, new and delete (%d failures)\n",
              g_failures == 0 ? "PASS" : "FAIL", g_failures);
  return g_failures == 0 ? 0 : 1;
}
