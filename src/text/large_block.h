// Memory for the large tables of a converter (a name table of a million
// entries, its hash index): a block of 2 MB or more is taken in the
// processor's large pages where the system offers them, so that filling it
// costs one page fault per 2 MB instead of one per 4 KB, and lookups spread
// over it miss the address translation less often. Smaller blocks, and
// systems without large pages, take ordinary memory.
#pragma once

#include <cstddef>
#include <new>

namespace kalvor {

// A block of `bytes`, or nullptr when the memory cannot be had.
void* AllocateLargeBlock(std::size_t bytes);
// Gives back a block of AllocateLargeBlock(bytes).
void FreeLargeBlock(void* block, std::size_t bytes);

// The allocator of containers that may grow to such tables.
template <class T>
struct LargeBlockAllocator {
  using value_type = T;
  LargeBlockAllocator() = default;
  template <class U>
  LargeBlockAllocator(const LargeBlockAllocator<U>&) {}
  T* allocate(std::size_t n) {
    if (n > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_alloc();
    void* block = AllocateLargeBlock(n * sizeof(T));
    if (block == nullptr) throw std::bad_alloc();
    return static_cast<T*>(block);
  }
  void deallocate(T* block, std::size_t n) { FreeLargeBlock(block, n * sizeof(T)); }
  template <class U>
  bool operator==(const LargeBlockAllocator<U>&) const {
    return true;
  }
};

}  // namespace kalvor
