// The Windows program's operator new and delete. The C library's malloc
// runs on a heap that takes a lock and searches its free lists for every
// block; under wine that heap held a fifth of the .mac to VHDL conversion's
// time, which makes and drops millions of short strings and table nodes.
// Blocks of up to 256 bytes are kept here on one free list per size
// (multiples of 16), carved from 64 KB pieces of the C library's heap and
// never given back to it: a freed small block waits for the next one of its
// size. Larger blocks go to malloc and free as before.
//
// Every block has a 16-byte header in front of it (new's alignment) that
// says its size class, 0 for a block from malloc.

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

namespace {

constexpr std::size_t kHeader = 16;
constexpr std::size_t kStep = 16;
constexpr std::size_t kClasses = 16;  // payloads of 16, 32, ... 256 bytes
constexpr std::size_t kPiece = 64 * 1024;

struct FreeBlock {
  FreeBlock* next;
};

struct SmallBlocks {
  std::atomic_flag busy = ATOMIC_FLAG_INIT;  // the program has one thread; this is for any other
  FreeBlock* free[kClasses + 1] = {};
  char* carve = nullptr;  // the rest of the last piece
  char* carve_end = nullptr;
};

SmallBlocks g_small;

class Held {
 public:
  Held() {
    while (g_small.busy.test_and_set(std::memory_order_acquire)) {
    }
  }
  ~Held() { g_small.busy.clear(std::memory_order_release); }
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;
};

// The header's size class, in its first word.
std::size_t& ClassOf(char* block) { return *reinterpret_cast<std::size_t*>(block); }

void* TryAllocate(std::size_t n) {
  const std::size_t size_class = n == 0 ? 1 : (n + kStep - 1) / kStep;
  if (size_class > kClasses) {
    if (n > static_cast<std::size_t>(-1) - kHeader) return nullptr;
    auto* block = static_cast<char*>(std::malloc(n + kHeader));
    if (!block) return nullptr;
    ClassOf(block) = 0;
    return block + kHeader;
  }
  const std::size_t bytes = kHeader + size_class * kStep;
  Held held;
  char* block;
  if (FreeBlock* f = g_small.free[size_class]) {
    g_small.free[size_class] = f->next;
    block = reinterpret_cast<char*>(f) - kHeader;
  } else {
    if (static_cast<std::size_t>(g_small.carve_end - g_small.carve) < bytes) {
      // The piece's rest (under 272 bytes) is left unused.
      auto* piece = static_cast<char*>(std::malloc(kPiece));
      if (!piece) return nullptr;
      g_small.carve = piece;
      g_small.carve_end = piece + kPiece;
    }
    block = g_small.carve;
    g_small.carve += bytes;
  }
  ClassOf(block) = size_class;
  return block + kHeader;
}

void Release(void* p) {
  if (!p) return;
  char* block = static_cast<char*>(p) - kHeader;
  const std::size_t size_class = ClassOf(block);
  if (size_class == 0) {
    std::free(block);
    return;
  }
  Held held;
  auto* f = static_cast<FreeBlock*>(p);
  f->next = g_small.free[size_class];
  g_small.free[size_class] = f;
}

}  // namespace

// What the library's own operator new does when memory runs out: the
// new-handler is called until it gives up, then std::bad_alloc.
void* operator new(std::size_t n) {
  for (;;) {
    if (void* p = TryAllocate(n)) return p;
    std::new_handler handler = std::get_new_handler();
    if (!handler) throw std::bad_alloc();
    handler();
  }
}

void* operator new[](std::size_t n) { return ::operator new(n); }

void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
  try {
    return ::operator new(n);
  } catch (...) {
    return nullptr;
  }
}

void* operator new[](std::size_t n, const std::nothrow_t&) noexcept {
  return ::operator new(n, std::nothrow);
}

void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, std::size_t) noexcept { Release(p); }
void operator delete[](void* p, std::size_t) noexcept { Release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { Release(p); }
