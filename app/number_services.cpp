// SPDX-License-Identifier: MIT
#include "app/number_services.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <system_error>

#include "app/calc_error.h"

namespace quorvel {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back()))
    text.remove_suffix(1);
  return text;
}

[[noreturn]] void ThrowNotANumber() {
  throw CalcError(CalcError::Kind::TypeMismatch, "The text is not a number.");
}

// Where reading an exponent stops counting: far beyond any text's length, so
// a capped exponent puts the number out of the double range just as the
// true one would, and far below where 64-bit arithmetic would overflow.
constexpr std::int64_t kExponentCap = 100'000'000'000'000'000;

// The significant digits kept for the conversion. Deciding how a decimal
// number rounds to a double never needs more than 767 of them, so 768 and a
// nonzero digit standing for whatever follows round exactly as the whole.
constexpr std::size_t kKeptDigits = 768;

// Beyond these powers of ten a number is out of the double range at once.
constexpr std::int64_t kLargestMagnitude = 400;
constexpr std::int64_t kSmallestMagnitude = -400;

// A number's text taken apart by Scan.
struct Scanned {
  bool negative = false;
  std::string_view integer;   // the digits before the separator
  std::string_view fraction;  // the digits after it
  std::int64_t exponent = 0;  // capped at kExponentCap either way
};

// The digits that start `s`.
std::string_view LeadingDigits(std::string_view s) {
  std::size_t end = 0;
  while (end < s.size() && IsDigit(s[end]))
    ++end;
  return s.substr(0, end);
}

// Checks the grammar: sign? digits with at most one separator, then
// (e|E) sign? digits. Throws TypeMismatch for anything else.
Scanned Scan(std::string_view s, std::string_view separator) {
  Scanned scanned;
  if (s.front() == '+' || s.front() == '-') {
    scanned.negative = s.front() == '-';
    s.remove_prefix(1);
  }
  scanned.integer = LeadingDigits(s);
  s.remove_prefix(scanned.integer.size());
  if (!separator.empty() && s.starts_with(separator)) {
    s.remove_prefix(separator.size());
    scanned.fraction = LeadingDigits(s);
    s.remove_prefix(scanned.fraction.size());
  }
  if (scanned.integer.empty() && scanned.fraction.empty())
    ThrowNotANumber();

  if (!s.empty() && (s.front() == 'e' || s.front() == 'E')) {
    s.remove_prefix(1);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
      negative = s.front() == '-';
      s.remove_prefix(1);
    }
    std::string_view digits = LeadingDigits(s);
    if (digits.empty())
      ThrowNotANumber();
    s.remove_prefix(digits.size());
    for (char c : digits)
      scanned.exponent = std::min(kExponentCap, scanned.exponent * 10 + (c - '0'));
    if (negative)
      scanned.exponent = -scanned.exponent;
  }
  if (!s.empty())
    ThrowNotANumber();
  return scanned;
}

}  // namespace

double ToNumber(std::string_view text, const NumberFormat& format) {
  std::string_view s = TrimBlanks(text);
  if (s.empty()) {
    throw CalcError(CalcError::Kind::TypeMismatch, "The text is empty: a number is needed.");
  }
  Scanned scanned = Scan(s, format.decimal);
  double zero = scanned.negative ? -0.0 : 0.0;

  // The significant digits run from the first nonzero one through the last:
  // `integer` then `fraction`, trimmed. `magnitude` is the power of ten of
  // the first, worked out exactly whatever the length of the text.
  std::string_view integer = scanned.integer;
  std::string_view fraction = scanned.fraction;
  integer.remove_prefix(std::min(integer.size(), integer.find_first_not_of('0')));
  std::int64_t magnitude = 0;
  if (!integer.empty()) {
    magnitude = scanned.exponent + static_cast<std::int64_t>(integer.size()) - 1;
  } else {
    std::size_t zeros = fraction.find_first_not_of('0');
    if (zeros == std::string_view::npos)
      return zero;
    fraction.remove_prefix(zeros);
    magnitude = scanned.exponent - static_cast<std::int64_t>(zeros) - 1;
  }
  fraction.remove_suffix(fraction.size() - (fraction.find_last_not_of('0') + 1));
  if (fraction.empty())
    integer.remove_suffix(integer.size() - (integer.find_last_not_of('0') + 1));

  if (magnitude > kLargestMagnitude)
    throw CalcError(CalcError::Kind::Overflow, "The number is too large.");
  if (magnitude < kSmallestMagnitude)
    return zero;

  // from_chars reads the digits as "ddd...e<power>", written on the stack
  // whatever the length or the separator of the text.
  std::array<char, kKeptDigits + 32> buffer;
  char* end = buffer.data();
  std::size_t written = 0;
  bool cut = false;
  for (std::string_view part : {integer, fraction}) {
    std::size_t take = std::min(part.size(), kKeptDigits - written);
    end = std::copy_n(part.data(), take, end);
    written += take;
    cut = cut || take < part.size();
  }
  if (cut) {  // trimmed, so what was cut holds a nonzero digit
    *end++ = '1';
    ++written;
  }
  *end++ = 'e';
  end = std::to_chars(end, buffer.data() + buffer.size(),
                      magnitude - static_cast<std::int64_t>(written) + 1)
            .ptr;

  double value = 0.0;
  auto [parsed, ec] = std::from_chars(buffer.data(), end, value);
  if (ec == std::errc::result_out_of_range) {
    if (magnitude > 0)
      throw CalcError(CalcError::Kind::Overflow, "The number is too large.");
    return zero;
  }
  if (ec != std::errc() || parsed != end)
    ThrowNotANumber();
  return scanned.negative ? -value : value;
}

namespace {

// ---- FormatValue ----

// Room for the longest fixed text of a double: 309 integer digits, a point and
// up to 16 decimals, plus room in front for a carry.
constexpr std::size_t kFixedRoom = 340;
constexpr std::size_t kFrontRoom = 8;

// Adds one unit in the last digit of [first, last), skipping the point; may
// write one digit in front of `first`, and returns the new start.
char* RoundUpLastDigit(char* first, char* last) {
  for (char* p = last; p-- != first;) {
    if (*p == '.')
      continue;
    if (*p != '9') {
      ++*p;
      return first;
    }
    *p = '0';
  }
  *--first = '1';
  return first;
}

// True when `magnitude` lies exactly halfway between two multiples of
// 10^-decimals. Such a value is odd / 2^(decimals + 1), since 10^decimals
// contributes only its power of two to a binary fraction.
bool IsExactHalf(double magnitude, int decimals) {
  double scaled = std::ldexp(magnitude, decimals + 1);
  return scaled < 0x1p53 && scaled == std::floor(scaled) && std::fmod(scaled, 2.0) == 1.0;
}

// The digits of a fixed-point text, before and after its point.
struct FixedDigits {
  std::string_view integer;
  std::string_view fraction;
};

// Writes magnitude rounded to `decimals` places, halves away from zero, as
// plain digits into buffer; the integer part has no leading zeros.
FixedDigits WriteFixed(double magnitude, int decimals, std::array<char, kFixedRoom>& buffer) {
  char* first = buffer.data() + kFrontRoom;
  // std::to_chars rounds exact halves to even, so a half is written with one
  // digit more (exact, as a half has decimals + 1 places) and rounded up on
  // the text.
  bool half = IsExactHalf(magnitude, decimals);
  char* last = std::to_chars(first, buffer.data() + buffer.size(), magnitude,
                             std::chars_format::fixed, half ? decimals + 1 : decimals)
                   .ptr;
  if (half) {
    last -= decimals == 0 ? 2 : 1;
    first = RoundUpLastDigit(first, last);
  }
  std::string_view digits(first, static_cast<std::size_t>(last - first));
  std::size_t point = std::min(digits.find('.'), digits.size());
  return {digits.substr(0, point), digits.substr(std::min(point + 1, digits.size()))};
}

}  // namespace

std::string FormatValue(double value, const DigitPattern& pattern, const NumberFormat& format) {
  if (std::isnan(value))
    return "NaN";
  if (std::isinf(value))
    return value < 0 ? "-Infinity" : "Infinity";

  std::array<char, kFixedRoom> buffer;
  auto [integer, fraction] = WriteFixed(std::fabs(value), pattern.maxDecimals, buffer);
  auto minDecimals = static_cast<std::size_t>(pattern.minDecimals);
  while (fraction.size() > minDecimals && fraction.back() == '0')
    fraction.remove_suffix(1);
  bool zero = integer == "0" && fraction.find_first_not_of('0') == std::string_view::npos;
  if (pattern.minIntegerDigits == 0 && integer == "0")
    integer = {};

  // The text is made at its final length, filled with zeros: they serve as
  // the integer digits the pattern asks for, and as the "0" of an empty text.
  bool minus = value < 0 && !zero;
  std::size_t integerWidth =
      std::max(static_cast<std::size_t>(pattern.minIntegerDigits), integer.size());
  std::size_t length = (minus ? 1 : 0) + integerWidth +
                       (fraction.empty() ? 0 : format.decimal.size() + fraction.size());
  std::string text(std::max<std::size_t>(length, 1), '0');
  char* p = text.data();
  if (minus)
    *p++ = '-';
  p = std::copy(integer.begin(), integer.end(), p + (integerWidth - integer.size()));
  if (!fraction.empty()) {
    p = std::copy(format.decimal.begin(), format.decimal.end(), p);
    std::copy(fraction.begin(), fraction.end(), p);
  }
  return text;
}

namespace {

// ---- NumberToText ----

constexpr int kSignificantDigits = 15;
// Room for "-d.ddddddddddddddE+ddd" and "-0.00000000000000ddddddddddddddd".
constexpr std::size_t kTextRoom = 40;

// The significant digits of a number and the power of ten of the first one.
struct Significant {
  std::array<char, 20> digits;
  std::size_t count = 0;
  int exponent = 0;
};

// Rounds a finite, non-zero magnitude to 15 significant digits; std::to_chars
// rounds exactly, and sends exact ties (possible only in the 16th digit) to
// the even digit.
Significant RoundToSignificant(double magnitude) {
  Significant s;
  // d.dddddddddddddde+ddd
  std::array<char, 32> scientific;
  char* end = std::to_chars(scientific.data(), scientific.data() + scientific.size(), magnitude,
                            std::chars_format::scientific, kSignificantDigits - 1)
                  .ptr;
  std::string_view written(scientific.data(), static_cast<std::size_t>(end - scientific.data()));
  std::size_t e = written.find('e');
  std::from_chars(written.data() + e + (written[e + 1] == '+' ? 2 : 1), end, s.exponent);
  for (char c : written.substr(0, e)) {
    if (c != '.')
      s.digits[s.count++] = c;
  }
  return s;
}

// Writes a finite, non-zero value with its sign column into `out`; returns the end.
char* WriteNumberText(double value, char* out) {
  Significant s = RoundToSignificant(std::fabs(value));
  while (s.count > 1 && s.digits[s.count - 1] == '0')
    --s.count;
  std::string_view digits(s.digits.data(), s.count);
  int exponent = s.exponent;

  char* p = out;
  *p++ = value < 0 ? '-' : ' ';
  auto put = [&p](std::string_view part) { p = std::copy(part.begin(), part.end(), p); };
  if (exponent >= kSignificantDigits || exponent < -kSignificantDigits) {
    put(digits.substr(0, 1));
    if (digits.size() > 1) {
      *p++ = '.';
      put(digits.substr(1));
    }
    put(exponent < 0 ? "E-" : "E+");
    p = std::to_chars(p, out + kTextRoom, exponent < 0 ? -exponent : exponent).ptr;
  } else if (exponent >= 0) {
    auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) {
      put(digits);
      p = std::fill_n(p, integerDigits - digits.size(), '0');
    } else {
      put(digits.substr(0, integerDigits));
      *p++ = '.';
      put(digits.substr(integerDigits));
    }
  } else {
    put("0.");
    p = std::fill_n(p, -exponent - 1, '0');
    put(digits);
  }
  return p;
}

}  // namespace

std::string NumberToText(double value) {
  if (!std::isfinite(value))
    ThrowNotANumber();
  if (value == 0.0)
    return " 0";
  std::array<char, kTextRoom> buffer;
  char* end = WriteNumberText(value, buffer.data());
  return std::string(buffer.data(), end);
}

std::string NumberToText(std::string_view text, const NumberFormat& format) {
  return NumberToText(ToNumber(text, format));
}

double Divide(double dividend, double divisor) {
  if (divisor == 0.0) {
    if (dividend == 0.0) {
      throw CalcError(CalcError::Kind::Overflow, "Zero divided by zero has no value.");
    }
    throw CalcError(CalcError::Kind::DivisionByZero, "A number was divided by zero.");
  }
  double quotient = dividend / divisor;
  if (!std::isfinite(quotient)) {
    throw CalcError(CalcError::Kind::Overflow, "The result of a division is too large.");
  }
  return quotient;
}

}  // namespace quorvel
