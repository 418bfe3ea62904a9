// The two number forms of the trace conversion, written without the C
// library's formatted output (which costs most of a conversion): a float's
// value as printf's "%f" writes it into the .out, and as "%.9g" into the
// VCD. Both write exactly the characters printf would.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kalvor {

// The most characters either form writes ("%f" of the largest float).
constexpr int kTraceNumberRoom = 48;

// printf("%f", double(value)): six decimals. Writes at `at` (room for
// kTraceNumberRoom characters) and returns the end.
char* PutFixed6(char* at, float value);
// printf("%.9g", double(value)): nine significant digits, trailing zeros
// dropped, the exponent form outside 1e-4 to 1e9. Writes as PutFixed6.
char* PutGeneral9(char* at, float value);

// The texts of the values last written, by the value's bits: a trace
// holds a few thousand values (its counts over the counts per volt) over
// and over, and a text found again is copied instead of made.
class NumberTexts {
 public:
  // PutFixed6 and PutGeneral9 through the memory.
  char* Fixed6(char* at, float value) { return Put(fixed_, at, value, &PutFixed6); }
  char* General9(char* at, float value) { return Put(general_, at, value, &PutGeneral9); }

 private:
  struct Slot {
    std::uint32_t bits = 0;
    std::uint8_t size = 0;  // 0: empty
    char text[27] = {};
  };
  static constexpr int kSetBits = 12;  // 4096 sets of two slots
  char* Put(std::vector<Slot>& slots, char* at, float value, char* (*put)(char*, float));
  std::vector<Slot> fixed_;
  std::vector<Slot> general_;
};

// The same, appended to `out`.
void AppendFixed6(std::string& out, float value);
void AppendGeneral9(std::string& out, float value);

}  // namespace kalvor
