#pragma once
// Numbers as the recogniser's trace writes them, the way a "0.##" picture formats them.

#include <string>

namespace traxo {

// The value with at most maxDecimals decimals and without trailing zeros or a trailing point,
// '.' as separator: 2999.0627541746 with 5 gives "2999.06275", 0.5 gives "0.5", 3.000001 gives
// "3", 0.000004 gives "0". The value is first taken to 18 significant digits, then rounded half
// away from zero at the last decimal kept. Infinities and NaN read "INF", "-INF" and "NAN".
std::string FormatOptionalDecimals(double value, int maxDecimals);

} // namespace traxo
