// SPDX-License-Identifier: MIT
//
// The runtime's number services: reading numbers that users type, writing
// numbers for users to read, and dividing with the run-time checks.
//
//   ToNumber      text -> double, by the user's decimal separator
//   ReadNumber    the same, telling also of a number too small for a double
//   FormatValue   double -> text with two decimals, by the pattern "###0.00"
//   NumberToText  double (or text) -> plain text with "." and a sign column
//   Divide        a / b, with division by zero and overflow as errors
//
// None of them uses the process locale: the user's format is read once
// (number_format.h) and can be replaced by any other for a call.
#pragma once

#include <string>
#include <string_view>

#include "app/number_format.h"

namespace quorvel {

// Reads a number as the user types it: blanks around it, an optional sign,
// digits with at most one decimal separator of `format`, an optional exponent.
// A digit of any script counts as the digit it is, the full-width forms of
// the separator and the signs as those, the Arabic decimal separator U+066B
// as the separator where that is "." or ",", U+2212 as a minus, and any
// Unicode space, line break or invisible format character (characters.h) as
// a blank. Throws CalcError: TypeMismatch for anything else (empty text and
// blanks inside the number included), Overflow for a value beyond the double
// range. A value too small for a double reads as zero or the nearest
// subnormal.
double ToNumber(std::string_view text, const NumberFormat& format = UserNumberFormat());

// A number read from text.
struct NumberReading {
  double value = 0.0;
  // Whether it was written too small for a double: not zero, yet read as
  // zero.
  bool tooSmall = false;
};

// Reads `text` as ToNumber does, and tells also whether the number was too
// small for a double. Throws as ToNumber does.
NumberReading ReadNumber(std::string_view text, const NumberFormat& format = UserNumberFormat());

// Whether `text`, which ToNumber refuses as not a number, would be one but
// for invisible characters (characters.h) inside the number.
bool HidesInvisibleCharacter(std::string_view text,
                             const NumberFormat& format = UserNumberFormat());

// Writes `value` by the pattern "###0.00" with the decimal separator of
// `format`: at least one digit before the separator, exactly two after it, no
// grouping, no exponent, a minus sign for a negative value. Rounding is to
// nearest, and an exact half rounds away from zero (0.125 -> "0.13"), as
// people round by hand. A value that rounds to zero is written without a sign.
std::string FormatValue(double value, const NumberFormat& format = UserNumberFormat());

// Writes `value` rounded to 15 significant digits with "." as the separator:
// a leading blank unless negative (then "-"), no trailing zeros after the
// point, no point for a whole number, a zero before the point below 1
// (" 0.13"), and negative zero as " 0". Below 1E-15 it uses the exponent
// form, " 1.23456789012346E-16". From 1E+15 on (a value that rounds to it at
// 15 digits included) it uses the exponent form with 6 significant digits,
// " 1.09367E+18", " 1.5E+300": no longer than the plain form of a smaller
// number. Throws TypeMismatch for NaN or infinity.
std::string NumberToText(double value);

// Reads `text` as ToNumber does, then writes it as NumberToText(double).
std::string NumberToText(std::string_view text, const NumberFormat& format = UserNumberFormat());

// dividend / divisor. Throws CalcError: DivisionByZero for a zero divisor and
// a non-zero dividend; Overflow for zero by zero or a quotient beyond the
// double range.
double Divide(double dividend, double divisor);

}  // namespace quorvel
