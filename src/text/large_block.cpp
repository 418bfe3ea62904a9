#include "text/large_block.h"

#include <cstdint>
#include <cstdlib>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace kalvor {

namespace {
#ifdef __linux__
constexpr std::size_t kLargePage = std::size_t{2} << 20;

std::size_t Rounded(std::size_t bytes) { return (bytes + kLargePage - 1) & ~(kLargePage - 1); }
#endif
}  // namespace

void* AllocateLargeBlock(std::size_t bytes) {
#ifdef __linux__
  if (bytes >= kLargePage && bytes <= (static_cast<std::size_t>(-1) >> 2)) {
    // Mapped at a large-page boundary: a page more is mapped and the parts
    // before the boundary and after the block are given back.
    std::size_t size = Rounded(bytes);
    void* mapped = mmap(nullptr, size + kLargePage, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) return nullptr;
    auto start = reinterpret_cast<std::uintptr_t>(mapped);
    std::uintptr_t aligned = (start + kLargePage - 1) & ~(kLargePage - 1);
    if (aligned != start) munmap(mapped, aligned - start);
    std::size_t after = kLargePage - (aligned - start);
    if (after != 0) munmap(reinterpret_cast<void*>(aligned + size), after);
    void* block = reinterpret_cast<void*>(aligned);
    madvise(block, size, MADV_HUGEPAGE);  // a hint: without it, ordinary pages
    return block;
  }
#endif
  return std::malloc(bytes == 0 ? 1 : bytes);
}

void FreeLargeBlock(void* block, [[maybe_unused]] std::size_t bytes) {
  if (block == nullptr) return;
#ifdef __linux__
  if (bytes >= kLargePage && bytes <= (static_cast<std::size_t>(-1) >> 2)) {
    munmap(block, Rounded(bytes));
    return;
  }
#endif
  std::free(block);
}

}  // namespace kalvor
