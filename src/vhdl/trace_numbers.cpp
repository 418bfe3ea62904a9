#include "vhdl/trace_numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace kalvor {

namespace {

// Powers of ten up to 1e12: each is exact in a double, and so is a float
// times any of them (24 + 28 significant bits at most), so rounding the
// product to a whole number rounds the float's exact value as printf does.
constexpr double kTens[13] = {1e0, 1e1, 1e2, 1e3, 1e4,  1e5,  1e6,
                              1e7, 1e8, 1e9, 1e10, 1e11, 1e12};

// `x` (from 0 to 2^52) rounded to a whole number as the current rounding
// mode has it (to even by default), as nearbyint does but without a call.
double RoundWhole(double x) {
  constexpr double k2To52 = 4503599627370496.0;
  return x < k2To52 ? (x + k2To52) - k2To52 : std::nearbyint(x);
}

// "00" to "99": two digits at a time.
struct Pairs {
  char text[200];
  constexpr Pairs() : text() {
    for (int i = 0; i < 100; ++i) {
      text[2 * i] = static_cast<char>('0' + i / 10);
      text[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
  }
};
constexpr Pairs kPairs;

// The two digits of `n` (below 100) at `at`.
void PutPair(char* at, unsigned n) { std::memcpy(at, kPairs.text + 2 * n, 2); }

// The six digits of `n` (below 1e6), zeros in front.
void PutSix(char* at, std::uint32_t n) {
  PutPair(at, n / 10000);
  PutPair(at + 2, n / 100 % 100);
  PutPair(at + 4, n % 100);
}

// The decimal digits of `q`, as few as it takes.
char* PutWhole(char* at, std::uint64_t q) {
  if (q < 10) {
    *at = static_cast<char>('0' + q);
    return at + 1;
  }
  char digits[24];
  int n = 0;
  while (q >= 100) {
    n += 2;
    PutPair(digits + sizeof digits - n, static_cast<unsigned>(q % 100));
    q /= 100;
  }
  if (q >= 10) {
    n += 2;
    PutPair(digits + sizeof digits - n, static_cast<unsigned>(q));
  } else {
    digits[sizeof digits - ++n] = static_cast<char>('0' + q);
  }
  std::memcpy(at, digits + sizeof digits - n, static_cast<std::size_t>(n));
  return at + n;
}

// The forms printf itself writes where the shortcut does not hold.
char* PutPrintf(char* at, const char* format, float value) {
  int n = std::snprintf(at, kTraceNumberRoom, format, static_cast<double>(value));
  return at + (n < 0 ? 0 : n < kTraceNumberRoom ? n : kTraceNumberRoom - 1);
}

}  // namespace

char* PutFixed6(char* at, float value) {
  const double v = std::fabs(static_cast<double>(value));
  // Up to 9e12 the scaled value is a whole number of 64 bits.
  if (!(v < 9e12)) return PutPrintf(at, "%f", value);
  const auto q = static_cast<std::uint64_t>(RoundWhole(v * 1e6));
  if (std::signbit(value)) *at++ = '-';
  at = PutWhole(at, q / 1000000);
  *at++ = '.';
  PutSix(at, static_cast<std::uint32_t>(q % 1000000));
  return at + 6;
}

char* PutGeneral9(char* at, float value) {
  const double v = std::fabs(static_cast<double>(value));
  if (v == 0) {
    if (std::signbit(value)) *at++ = '-';
    *at = '0';
    return at + 1;
  }
  // Plain decimals for decimal exponents -4 to 8; the rest as printf has it.
  if (!(v >= 1e-4 && v < 1e9)) return PutPrintf(at, "%.9g", value);
  // The decimal exponent after rounding to nine digits: nine digits are
  // v * 10^(8 - x) rounded, a whole number from 1e8 to just below 1e9.
  constexpr double kDecades[13] = {1e-4, 1e-3, 1e-2, 1e-1, 1e0, 1e1, 1e2,
                                  1e3,  1e4,  1e5,  1e6,  1e7, 1e8};
  int x = 0;  // a first guess, set right by the digits' count below
  if (v >= 1) {
    while (x < 8 && v >= kDecades[x + 5]) ++x;
  } else {
    while (x > -4 && v < kDecades[x + 4]) --x;
  }
  std::uint64_t q = 0;
  for (int tries = 0; tries < 4; ++tries) {
    if (x < -4 || x > 8) return PutPrintf(at, "%.9g", value);
    q = static_cast<std::uint64_t>(RoundWhole(v * kTens[8 - x]));
    if (q < 100000000u) {
      --x;
    } else if (q >= 1000000000u) {
      ++x;
    } else {
      break;
    }
  }
  if (q < 100000000u || q >= 1000000000u) return PutPrintf(at, "%.9g", value);
  char digits[24] = {};  // nine digits, and room to copy them in fixed blocks
  const auto low = static_cast<std::uint32_t>(q % 100000000u);
  digits[0] = static_cast<char>('0' + q / 100000000u);
  PutPair(digits + 1, low / 1000000);
  PutSix(digits + 3, low % 1000000);
  int last = 8;  // the last digit kept: trailing zeros after the point go
  while (last > x && last > 0 && digits[last] == '0') --last;
  if (std::signbit(value)) *at++ = '-';
  // The digits are copied whole (the room allows it) and the end set after.
  if (x >= 0) {
    std::memcpy(at, digits, 9);
    if (last <= x) return at + x + 1;
    at[x + 1] = '.';
    std::memcpy(at + x + 2, digits + x + 1, 8);
    return at + last + 2;
  }
  std::memcpy(at, "0.000", 5);
  at += 1 - x;  // "0." and -x - 1 zeros
  std::memcpy(at, digits, 9);
  return at + last + 1;
}

void AppendFixed6(std::string& out, float value) {
  char text[kTraceNumberRoom];
  out.append(text, static_cast<std::size_t>(PutFixed6(text, value) - text));
}

void AppendGeneral9(std::string& out, float value) {
  char text[kTraceNumberRoom];
  out.append(text, static_cast<std::size_t>(PutGeneral9(text, value) - text));
}

}  // namespace kalvor
