// The end of a word, found many bytes at a time: the scanners of large
// netlist files spend much of their time here.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kalvor {

// The first byte at or after `p` that is one of `Stops`, or `end`: sixteen
// bytes at a time where the processor can (most words end in the first),
// else eight at a time (a byte equal to c is a zero byte of the word XOR c
// repeated; the lowest flagged byte is always a true one) while eight are
// left.
template <char... Stops>
inline const char* FirstOfOrEnd(const char* p, const char* end) {
#if defined(__SSE2__)
  for (; end - p >= 16; p += 16) {
    __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    __m128i any = _mm_setzero_si128();
    ((any = _mm_or_si128(any, _mm_cmpeq_epi8(x, _mm_set1_epi8(Stops)))), ...);
    auto hits = static_cast<unsigned>(_mm_movemask_epi8(any));
    if (hits != 0) return p + __builtin_ctz(hits);
  }
#endif
  constexpr std::uint64_t kOnes = 0x0101010101010101ull;
  constexpr std::uint64_t kHighs = 0x8080808080808080ull;
  while (end - p >= 8) {
    std::uint64_t w = 0;
    std::memcpy(&w, p, 8);
    std::uint64_t hits = 0;
    ((hits |= ((w ^ (kOnes * static_cast<unsigned char>(Stops))) - kOnes) &
               ~(w ^ (kOnes * static_cast<unsigned char>(Stops))) & kHighs),
     ...);
    if (hits != 0) {
      if constexpr (std::endian::native == std::endian::little) {
        return p + __builtin_ctzll(hits) / 8;
      } else {
        break;
      }
    }
    p += 8;
  }
  while (p != end && ((*p != Stops) && ...)) ++p;
  return p;
}

// FirstOfOrEnd where the memory up to `readable` (at or after `end`) may be
// read: the bytes from `p` (at or before `end`) are looked at sixteen at a
// time up to the end itself (a word of up to fifteen bytes is found with
// one load).
template <char... Stops>
[[gnu::always_inline]] inline const char* FirstOfOrEndReadable(
    const char* p, const char* end, [[maybe_unused]] const char* readable) {
#if defined(__SSE2__)
  for (; readable - p >= 16; p += 16) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    __m128i any = _mm_setzero_si128();
    ((any = _mm_or_si128(any, _mm_cmpeq_epi8(x, _mm_set1_epi8(Stops)))), ...);
    auto hits = static_cast<unsigned>(_mm_movemask_epi8(any));
    if (end - p < 16) hits |= 1u << (end - p);
    if (hits != 0) return p + __builtin_ctz(hits);
  }
#endif
  return FirstOfOrEnd<Stops...>(p, end);
}

// The first blank or tab at or after `p`, or `end`.
inline const char* BlankOrEnd(const char* p, const char* end) {
  return FirstOfOrEnd<' ', '\t'>(p, end);
}

#if defined(__SSE2__)
// The blanks and tabs among the sixteen bytes at `p`, and the end when it
// lies `left` bytes on, within them: one bit each, the first byte lowest.
inline unsigned BlankStopsOfSixteen(const char* p, std::size_t left) {
  const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  auto stops = static_cast<unsigned>(_mm_movemask_epi8(
      _mm_or_si128(_mm_cmpeq_epi8(x, _mm_set1_epi8(' ')), _mm_cmpeq_epi8(x, _mm_set1_epi8('\t')))));
  return left < 16 ? stops | 1u << left : stops;
}
#endif

// BlankOrEnd where the memory up to `readable` (at or after `end`) may be
// read.
[[gnu::always_inline]] inline const char* BlankOrEndReadable(const char* p, const char* end,
                                                             const char* readable) {
  return FirstOfOrEndReadable<' ', '\t'>(p, end, readable);
}

}  // namespace kalvor
