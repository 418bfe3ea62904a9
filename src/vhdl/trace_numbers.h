// The two number forms of the trace conversion, written without the C
// library's formatted output (which costs most of a conversion): a float's
// value as printf's "%f" writes it into the .out, and as "%.9g" into the
// VCD. Both append exactly the characters printf would.
#pragma once

#include <string>

namespace kalvor {

// printf("%f", double(value)): six decimals.
void AppendFixed6(std::string& out, float value);
// printf("%.9g", double(value)): nine significant digits, trailing zeros
// dropped, the exponent form outside 1e-4 to 1e9.
void AppendGeneral9(std::string& out, float value);

}  // namespace kalvor
