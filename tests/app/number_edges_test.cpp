// SPDX-License-Identifier: MIT
// ToNumber against the C library's strtod, which reads decimal text exactly
// whatever its length, on numbers made to stand at the edges: at the ends of
// the double range, with exponents near the limits of 32 and 64 bits and
// beyond them, and with digits placed so that the point shifts the exponent
// (many leading or trailing zeros, "0.000...01e..."). Each number is written
// twice: in ASCII for strtod, and as a user may type it for ToNumber (digits
// of other scripts, the user's separator or its full-width form, signs of
// any width, spaces around it). Where strtod overflows ToNumber must report
// an overflow; anywhere else it must give the same double, zero included.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "app/calc_error.h"
#include "app/number_services.h"

#include <locale.h>

namespace quorvel {
namespace {

__extension__ typedef __int128 Int128;

// A number written for strtod and as typed, with the separator it is typed with.
struct Written {
  std::string ascii;
  std::string typed;
  NumberFormat format;
};

std::string ToDecimal(Int128 value) {
  if (value == 0)
    return "0";
  bool negative = value < 0;
  std::string digits;
  for (; value != 0; value /= 10) {
    int digit = static_cast<int>(value % 10);
    digits.insert(digits.begin(), static_cast<char>('0' + (negative ? -digit : digit)));
  }
  return negative ? "-" + digits : digits;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Whole numbers as decimal digits, the least significant first.
std::string Times(std::string digits, std::uint64_t factor) {
  std::uint64_t carry = 0;
  for (char& digit : digits) {
    carry += static_cast<std::uint64_t>(digit - '0') * factor;
    digit = static_cast<char>('0' + carry % 10);
    carry /= 10;
  }
  for (; carry != 0; carry /= 10)
    digits += static_cast<char>('0' + carry % 10);
  return digits;
}

std::string PowerOf(std::uint64_t base, int exponent) {
  std::string digits = "1";
  for (int i = 0; i < exponent; ++i)
    digits = Times(digits, base);
  return digits;
}

// The digits most significant first.
std::string DigitsOf(std::string digits) {
  std::reverse(digits.begin(), digits.end());
  return digits;
}

class EdgeNumbers {
 public:
  Written Next() {
    // The significant digits and the power of ten of the first one.
    std::string significand = Significand();
    Int128 power = Power();
    bool zero = significand.find_first_not_of('0') == std::string::npos;

    // Where the point goes: `before` digits stand before it, counting
    // leading zeros when negative ("0.000ddd") and trailing ones when beyond
    // the digits ("ddd000."). The written exponent makes up for the shift.
    static constexpr long kShifts[] = {0, 1, 2, 3, 5, 17, 20, -1, -5, -20, -320, 320, 400, -400};
    long before =
        Pick(400) == 0 ? (Pick(2) == 0 ? 100000 : -100000) : kShifts[Pick(std::size(kShifts))];
    Int128 exponent = power - (before - 1);
    std::string digits;
    if (before <= 0) {
      digits = "0." + std::string(static_cast<std::size_t>(-before), '0') + significand;
    } else if (static_cast<std::size_t>(before) >= significand.size()) {
      digits =
          significand + std::string(static_cast<std::size_t>(before) - significand.size(), '0');
      if (Pick(2) == 0)
        digits += ".";
    } else {
      digits = significand;
      digits.insert(static_cast<std::size_t>(before), ".");
    }
    if (Pick(4) == 0)
      digits.insert(0, std::string(Pick(30), '0'));

    char sign = "+--"[Pick(3)];
    bool signWritten = sign == '-' || Pick(2) == 0;
    std::string exponentText = zero && Pick(2) == 0 ? ToDecimal(power) : ToDecimal(exponent);
    bool exponentWritten = exponentText != "0" || Pick(2) == 0;
    std::string exponentPadding(Pick(4) == 0 ? Pick(25) : 0, '0');

    Written w;
    static const NumberFormat kFormats[] = {kPlainFormat, NumberFormat{","},
                                            NumberFormat{"\xD9\xAB"}};
    w.format = kFormats[Pick(std::size(kFormats))];
    if (signWritten)
      w.ascii += sign;
    w.ascii += digits;
    if (exponentWritten) {
      w.ascii += 'e';
      if (exponentText[0] != '-' && Pick(2) == 0)
        w.ascii += '+';
      if (exponentText[0] == '-')
        w.ascii += '-';
      w.ascii += exponentPadding + (exponentText[0] == '-' ? exponentText.substr(1) : exponentText);
    }
    w.typed = Space() + Typed(w.ascii, w.format) + Space();
    return w;
  }

 private:
  std::size_t Pick(std::size_t count) { return random_() % count; }

  std::string Significand() {
    std::size_t which = Pick(significands_.size() + 2);
    if (which < significands_.size())
      return significands_[which];
    std::string random(1 + Pick(25), '0');
    for (char& digit : random)
      digit = static_cast<char>('0' + Pick(10));
    random[0] = static_cast<char>('1' + Pick(9));
    return random;
  }

  Int128 Power() {
    constexpr Int128 kInt64Max = INT64_MAX;
    constexpr Int128 kInt32Max = INT32_MAX;
    // The double range ends near 10^308 and, with subnormals, 10^-324.
    static constexpr Int128 kCentres[] = {0,
                                          308,
                                          -308,
                                          -324,
                                          kInt32Max,
                                          -kInt32Max,
                                          kInt64Max,
                                          -kInt64Max,
                                          kInt64Max * 1000 + 7,
                                          -kInt64Max * 1000 - 7};
    Int128 centre = kCentres[Pick(std::size(kCentres))];
    return centre + static_cast<Int128>(Pick(7)) - 3;
  }

  std::string Space() {
    static constexpr const char* kSpaces[] = {"", "", " ", "\t", "\u00A0", "\u2000", "\u3000"};
    return kSpaces[Pick(std::size(kSpaces))];
  }

  // The ASCII number as a user may type it with `format`.
  std::string Typed(std::string_view ascii, const NumberFormat& format) {
    // Full-width digits, the Arabic-Indic and the Devanagari ones, or ASCII.
    static constexpr char32_t kZeros[] = {U'0', 0xFF10, 0x0660, 0x0966};
    char32_t zero = kZeros[Pick(std::size(kZeros))];
    bool fullWidthSeparator = format.decimal.size() == 1 && Pick(2) == 0;
    std::string typed;
    for (char c : ascii) {
      if (c >= '0' && c <= '9') {
        AppendUtf8(typed, zero + static_cast<char32_t>(c - '0'));
      } else if (c == '.') {
        if (fullWidthSeparator)
          AppendUtf8(typed, static_cast<char32_t>(format.decimal[0]) + 0xFEE0);
        else
          typed += format.decimal;
      } else if (c == '-') {
        static constexpr char32_t kMinus[] = {U'-', 0x2212, 0xFF0D};
        AppendUtf8(typed, kMinus[Pick(std::size(kMinus))]);
      } else if (c == '+') {
        AppendUtf8(typed, Pick(2) == 0 ? U'+' : char32_t{0xFF0B});
      } else {
        typed += Pick(2) == 0 ? 'e' : 'E';
      }
    }
    return typed;
  }

  // The largest double and the smallest normal and subnormal ones, rounded;
  // the exact halfway points above the largest double, 2^1024 - 2^970, and
  // below the smallest subnormal, 2^-1075 (both ties, which go to the even
  // neighbour: infinity and zero), with numbers just beside them.
  const std::string halfwayAbove_ = DigitsOf(Times(PowerOf(2, 970), (std::uint64_t{1} << 54) - 1));
  const std::string halfwayBelow_ = DigitsOf(PowerOf(5, 1075));
  const std::vector<std::string> significands_{
      "1",
      "9",
      "0",
      "17976931348623157",
      "17976931348623159",
      halfwayAbove_,
      halfwayAbove_.substr(0, 40),
      "22250738585072014",
      "49406564584124654",
      "24703282292062327",
      "24703282292062328",
      halfwayBelow_,
      halfwayBelow_ + "1",
  };
  std::mt19937_64 random_{26};
};

TEST(ToNumberEdgesTest, AgreesWithStrtodAtTheEdgesOfTheRange) {
  const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  ASSERT_NE(cLocale, static_cast<locale_t>(nullptr));
  EdgeNumbers numbers;
  int overflows = 0, zeros = 0, values = 0;
  for (int i = 0; i < 3000; ++i) {
    Written w = numbers.Next();
    errno = 0;
    char* end = nullptr;
    double expected = strtod_l(w.ascii.c_str(), &end, cLocale);
    ASSERT_EQ(*end, '\0') << w.ascii.substr(0, 80);
    bool overflow = errno == ERANGE && std::isinf(expected);
    const std::string shown =
        w.ascii.size() <= 80 ? w.ascii
                             : w.ascii.substr(0, 40) + "..." + w.ascii.substr(w.ascii.size() - 40);
    try {
      double read = ToNumber(w.typed, w.format);
      ASSERT_FALSE(overflow) << shown << " reads as " << read << " but overflows";
      ASSERT_EQ(read, expected) << shown;
      ASSERT_EQ(std::signbit(read), std::signbit(expected)) << shown;
    } catch (const CalcError& error) {
      ASSERT_TRUE(overflow && error.kind() == CalcError::Kind::Overflow)
          << shown << ": " << error.description() << ", strtod gives " << expected;
    }
    (overflow ? overflows : expected == 0 ? zeros : values) += 1;
  }
  freelocale(cLocale);
  // The generator reaches all three outcomes, each many times.
  EXPECT_GT(overflows, 500);
  EXPECT_GT(zeros, 500);
  EXPECT_GT(values, 500);
}

}  // namespace
}  // namespace quorvel
