// The two number forms of the trace conversion, written without the C
// library's formatted output (which costs most of a conversion): a float's
// value as printf's "%f" writes it into the .out, and as "%.9g" into the
// VCD. Both write exactly the characters printf would.
#pragma once

#include <cstdint>
#include <string>

namespace kalvor {

// The most characters either form writes ("%f" of the largest float).
constexpr int kTraceNumberRoom = 48;

// printf("%f", double(value)): six decimals. Writes at `at` (room for
// kTraceNumberRoom characters) and returns the end.
char* PutFixed6(char* at, float value);
// printf("%.9g", double(value)): nine significant digits, trailing zeros
// dropped, the exponent form outside 1e-4 to 1e9. Writes as PutFixed6.
char* PutGeneral9(char* at, float value);

// The same, appended to `out`.
void AppendFixed6(std::string& out, float value);
void AppendGeneral9(std::string& out, float value);

}  // namespace kalvor
