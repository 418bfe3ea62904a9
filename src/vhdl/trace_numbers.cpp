#include "vhdl/trace_numbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

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

// The decimal digits of `q`, at least `width` of them (zeros in front).
char* PutDigits(char* at, std::uint64_t q, int width) {
  char digits[24];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + q % 10);
    q /= 10;
  } while (q > 0);
  while (n < width) digits[n++] = '0';
  while (n > 0) *at++ = digits[--n];
  return at;
}

// The forms printf itself writes where the shortcut does not hold.
void AppendPrintf(std::string& out, const char* format, float value) {
  char buf[64];
  int n = std::snprintf(buf, sizeof buf, format, static_cast<double>(value));
  if (n > 0) out.append(buf, static_cast<std::size_t>(n < 63 ? n : 63));
}

}  // namespace

void AppendFixed6(std::string& out, float value) {
  const double v = std::fabs(static_cast<double>(value));
  // Up to 9e12 the scaled value is a whole number of 64 bits.
  if (!(v < 9e12)) return AppendPrintf(out, "%f", value);
  const auto q = static_cast<std::uint64_t>(RoundWhole(v * 1e6));
  char buf[40];
  char* at = buf;
  if (std::signbit(value)) *at++ = '-';
  at = PutDigits(at, q / 1000000, 1);
  *at++ = '.';
  at = PutDigits(at, q % 1000000, 6);
  out.append(buf, static_cast<std::size_t>(at - buf));
}

void AppendGeneral9(std::string& out, float value) {
  const double v = std::fabs(static_cast<double>(value));
  if (v == 0) {
    out += std::signbit(value) ? "-0" : "0";
    return;
  }
  // Plain decimals for decimal exponents -4 to 8; the rest as printf has it.
  if (!(v >= 1e-4 && v < 1e9)) return AppendPrintf(out, "%.9g", value);
  // The decimal exponent after rounding to nine digits: nine digits are
  // v * 10^(8 - x) rounded, a whole number from 1e8 to just below 1e9.
  constexpr double kDecades[13] = {1e-4, 1e-3, 1e-2, 1e-1, 1e0, 1e1, 1e2,
                                  1e3,  1e4,  1e5,  1e6,  1e7, 1e8};
  int x = 8;  // a first guess, set right by the digits' count below
  while (x > -4 && v < kDecades[x + 4]) --x;
  std::uint64_t q = 0;
  for (int tries = 0; tries < 4; ++tries) {
    if (x < -4 || x > 8) return AppendPrintf(out, "%.9g", value);
    q = static_cast<std::uint64_t>(RoundWhole(v * kTens[8 - x]));
    if (q < 100000000u) {
      --x;
    } else if (q >= 1000000000u) {
      ++x;
    } else {
      break;
    }
  }
  if (q < 100000000u || q >= 1000000000u) return AppendPrintf(out, "%.9g", value);
  char digits[9];
  PutDigits(digits, q, 9);
  int last = 8;  // the last digit kept: trailing zeros after the point go
  while (last > x && last > 0 && digits[last] == '0') --last;
  char buf[32];
  char* at = buf;
  if (std::signbit(value)) *at++ = '-';
  if (x >= 0) {
    for (int i = 0; i <= x; ++i) *at++ = digits[i];
    if (last > x) {
      *at++ = '.';
      for (int i = x + 1; i <= last; ++i) *at++ = digits[i];
    }
  } else {
    *at++ = '0';
    *at++ = '.';
    for (int i = 0; i < -x - 1; ++i) *at++ = '0';
    for (int i = 0; i <= last; ++i) *at++ = digits[i];
  }
  out.append(buf, static_cast<std::size_t>(at - buf));
}

}  // namespace kalvor
