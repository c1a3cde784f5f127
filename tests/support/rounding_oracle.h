// SPDX-License-Identifier: MIT
// Independent roundings to check the formatters against, built on the C
// library's printf, which rounds exactly.
#pragma once

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace quorvel::testing {

// `value` rounded to two decimals: to nearest, exact halves away from zero.
inline double RoundToCents(double value) {
  char text[512];
  std::snprintf(text, sizeof text, "%.2f", value);
  // printf sends an exact half to the even cent; such a half is odd / 8, and
  // has exactly three decimals: write them, drop the 5 and count up by hand.
  double eighths = std::ldexp(std::fabs(value), 3);
  if (eighths < 0x1p53 && eighths == std::floor(eighths) && std::fmod(eighths, 2.0) == 1.0) {
    std::string digits = std::to_string(std::fabs(value));  // six decimals, exact here
    digits.resize(digits.find('.') + 3);
    std::size_t k = digits.size();
    while (k-- > 0) {
      if (digits[k] == '.')
        continue;
      if (digits[k] != '9') {
        ++digits[k];
        break;
      }
      digits[k] = '0';
    }
    if (k == static_cast<std::size_t>(-1))
      digits.insert(0, "1");
    return std::copysign(std::strtod(digits.c_str(), nullptr), value);
  }
  return std::strtod(text, nullptr);
}

// `value` rounded to `digits` significant digits (exact ties to even).
inline double RoundToSignificant(double value, int digits) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*e", digits - 1, value);
  return std::strtod(text, nullptr);
}

}  // namespace quorvel::testing
