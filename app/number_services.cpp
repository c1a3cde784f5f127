// SPDX-License-Identifier: MIT
#include "app/number_services.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

#include "app/calc_error.h"
#include "app/characters.h"

namespace quorvel {
namespace {

[[noreturn]] void ThrowNotANumber() {
  throw CalcError(CalcError::Kind::TypeMismatch, "The text is not a number.");
}

// Copies the number in `text` to `out` in the form std::from_chars reads:
// ASCII digits, '.' as the separator, no leading '+' and no blanks around
// it. A sign may stand only first and right after the exponent's 'e'; any
// character that has no place in a number throws TypeMismatch, and so does a
// text of blanks only. The rest of the grammar is from_chars's own. Returns
// the end of the copy, which is never longer than `text`.
char* CopyForFromChars(std::string_view text, std::string_view separator, char* out) {
  // A separator of more than one byte has no full-width form.
  char32_t single = separator.size() == 1 ? static_cast<unsigned char>(separator[0]) : 0;
  char previous = '\0';
  bool ended = false;  // by a blank after the number
  while (!text.empty()) {
    char c = '.';
    if (!separator.empty() && text.starts_with(separator))
      text.remove_prefix(separator.size());
    else
      c = NumberCharacter(TakeCodePoint(text), single);
    if (c == ' ') {
      ended = previous != '\0';
      continue;
    }
    if (c == 0 || ended)
      ThrowNotANumber();
    if (c == '+' || c == '-') {
      if (previous != '\0' && previous != 'e')
        ThrowNotANumber();
      if (c == '-' || previous == 'e')
        *out++ = c;
    } else {
      *out++ = c;
    }
    previous = c;
  }
  if (previous == '\0')
    throw CalcError(CalcError::Kind::TypeMismatch, "The text is empty: a number is needed.");
  return out;
}

// Whether a number that std::from_chars found beyond the double range lies
// above it rather than below it: whether its first nonzero digit stands at
// or above the units once the exponent is applied. The digit's place is
// bounded by the text's length, so it is compared with the written exponent,
// never added to it: an exponent may be written up to the limit of 64 bits,
// or beyond it.
bool AboveRange(std::string_view number) {
  std::size_t mark = std::min(number.find('e'), number.size());
  std::string_view digits = number.substr(0, mark);
  std::int64_t exponent = 0;
  if (mark < number.size()) {
    std::string_view written = number.substr(mark + 1);
    if (written.starts_with('+'))
      written.remove_prefix(1);
    auto [end, ec] = std::from_chars(written.data(), written.data() + written.size(), exponent);
    // An exponent too long for 64 bits outweighs any place a text can hold.
    if (ec == std::errc::result_out_of_range) {
      exponent = written.starts_with('-') ? std::numeric_limits<std::int64_t>::min()
                                          : std::numeric_limits<std::int64_t>::max();
    }
  }
  auto point = static_cast<std::int64_t>(std::min(digits.find('.'), digits.size()));
  auto first = static_cast<std::int64_t>(digits.find_first_of("123456789"));
  std::int64_t place = first < point ? point - first - 1 : point - first;
  return exponent >= -place;
}

}  // namespace

NumberReading ReadNumber(std::string_view text, const NumberFormat& format) {
  // A copy of an ordinary length stays on the stack; std::from_chars reads a
  // longer one exactly too, whatever its length.
  std::array<char, 64> shortCopy;
  std::string longCopy;
  char* first = shortCopy.data();
  if (text.size() > shortCopy.size()) {
    longCopy.resize(text.size());
    first = longCopy.data();
  }
  char* last = CopyForFromChars(text, format.decimal, first);

  double value = 0.0;
  auto [end, ec] = std::from_chars(first, last, value);
  if (end != last || (ec != std::errc() && ec != std::errc::result_out_of_range))
    ThrowNotANumber();
  if (ec == std::errc::result_out_of_range) {
    if (AboveRange({first, last}))
      throw CalcError(CalcError::Kind::Overflow, "The number is too large.");
    return {*first == '-' ? -0.0 : 0.0, true};
  }
  return {value, false};
}

double ToNumber(std::string_view text, const NumberFormat& format) {
  return ReadNumber(text, format).value;
}

bool HidesInvisibleCharacter(std::string_view text, const NumberFormat& format) {
  std::string visible;
  visible.reserve(text.size());
  for (std::string_view rest = text; !rest.empty();) {
    std::string_view character = rest;
    if (!IsInvisible(TakeCodePoint(rest)))
      visible.append(character.substr(0, character.size() - rest.size()));
  }
  if (visible.size() == text.size() || IsBlank(visible))
    return false;
  try {
    ReadNumber(visible, format);
  } catch (const CalcError& error) {
    return error.kind() != CalcError::Kind::TypeMismatch;
  }
  return true;
}

std::string FormatValue(double value, const NumberFormat& format) {
  if (std::isnan(value))
    return "NaN";
  if (std::isinf(value))
    return value < 0 ? "-Infinity" : "Infinity";

  // std::to_chars rounds exact halves to even. An exact half of a cent is
  // odd / 8 (10^2 contributes only its power of two to a binary fraction),
  // so it is written exactly with three decimals (.125, .375, .625 or .875)
  // and rounded up on the text: the cent before the 5 is 2 or 7, and grows
  // by one without a carry.
  double magnitude = std::fabs(value);
  double eighths = std::ldexp(magnitude, 3);
  bool half = eighths < 0x1p53 && std::fmod(eighths, 2.0) == 1.0;

  // Room for 309 integer digits, the point and three decimals.
  std::array<char, 320> buffer;
  char* first = buffer.data();
  char* last = std::to_chars(first, buffer.data() + buffer.size(), magnitude,
                             std::chars_format::fixed, half ? 3 : 2)
                   .ptr;
  if (half)
    ++*(--last - 1);

  std::string_view digits(first, static_cast<std::size_t>(last - first));  // "ddd.dd"
  bool zero = digits.find_first_not_of("0.") == std::string_view::npos;
  std::string text;
  if (value < 0 && !zero)
    text += '-';
  text.append(digits.substr(0, digits.size() - 3));
  text.append(format.decimal);
  text.append(digits.substr(digits.size() - 2));
  return text;
}

std::string NumberToText(double value) {
  if (!std::isfinite(value))
    ThrowNotANumber();
  if (value == 0.0)
    return " 0";
  // std::to_chars rounds exactly to 15 significant digits, "d.dddddddddddddde+dd";
  // a tie, possible only in the 16th digit, goes to the even digit.
  constexpr int kSignificantDigits = 15;
  // From 1E+15 on the exponent form keeps six, the standard streams' default
  // precision: a distance that large is read for its size only, and six keep
  // it about as long as the ordinary results the result box is made for.
  constexpr int kLargeSignificantDigits = 6;
  std::array<char, 64> buffer;
  char* last = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                             std::chars_format::scientific, kSignificantDigits - 1)
                   .ptr;
  std::string_view written(buffer.data(), static_cast<std::size_t>(last - buffer.data()));
  std::size_t mark = written.find('e');
  int exponent = 0;
  std::from_chars(written.data() + mark + (written[mark + 1] == '+' ? 2 : 1), last, exponent);
  if (exponent >= kSignificantDigits) {
    // Rounded from the value, not from its 15 digits: rounding twice could
    // round a half up that is below one.
    last = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                         std::chars_format::scientific, kLargeSignificantDigits - 1)
               .ptr;
    written = std::string_view(buffer.data(), static_cast<std::size_t>(last - buffer.data()));
    mark = written.find('e');
  }
  std::string_view digits = written.substr(0, mark);
  std::string_view exponentText = written.substr(mark + 1);
  if (exponent >= -kSignificantDigits && exponent < kSignificantDigits) {
    // The same digits in plain form, written after the scientific ones: the
    // first digit moves next to the others, then the point is put back
    // where the exponent says.
    buffer[1] = buffer[0];
    std::string_view significant(buffer.data() + 1, kSignificantDigits);
    auto put = [&last](std::string_view part) { last = std::copy(part.begin(), part.end(), last); };
    char* plain = last;
    if (exponent < 0) {
      put("0.");
      last = std::fill_n(last, -exponent - 1, '0');
      put(significant);
    } else {
      put(significant.substr(0, static_cast<std::size_t>(exponent) + 1));
      put(".");
      put(significant.substr(static_cast<std::size_t>(exponent) + 1));
    }
    digits = std::string_view(plain, static_cast<std::size_t>(last - plain));
    exponentText = {};
  }
  if (digits.find('.') != std::string_view::npos) {
    digits.remove_suffix(digits.size() - 1 - digits.find_last_not_of('0'));
    if (digits.ends_with('.'))
      digits.remove_suffix(1);
  }
  std::string text(1, value < 0 ? '-' : ' ');
  text.append(digits);
  if (!exponentText.empty())
    text.append("E").append(exponentText);
  return text;
}

std::string NumberToText(std::string_view text, const NumberFormat& format) {
  return NumberToText(ToNumber(text, format));
}

double Divide(double dividend, double divisor) {
  if (divisor == 0.0 && dividend == 0.0)
    throw CalcError(CalcError::Kind::Overflow, "Zero divided by zero has no value.");
  if (divisor == 0.0)
    throw CalcError(CalcError::Kind::DivisionByZero, "A number was divided by zero.");
  double quotient = dividend / divisor;
  if (!std::isfinite(quotient))
    throw CalcError(CalcError::Kind::Overflow, "The result of a division is too large.");
  return quotient;
}

}  // namespace quorvel
