// SPDX-License-Identifier: MIT
#include "app/number_services.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/calc_error.h"
#include "app/characters.h"
#include "app/float_checks.h"
#include "tests/support/rounding_oracle.h"

namespace quorvel {
namespace {

using Kind = CalcError::Kind;
constexpr NumberFormat kComma{","};
// The Arabic decimal separator, two bytes in UTF-8.
constexpr NumberFormat kArabic{"\xD9\xAB"};

template <typename F>
Kind KindThrownBy(F&& call) {
  try {
    call();
  } catch (const CalcError& error) {
    return error.kind();
  }
  ADD_FAILURE() << "no CalcError was thrown";
  return Kind::InvalidArgument;
}

TEST(CalcErrorTest, NumbersAreDistinctPerKindAndCarriedByTheError) {
  std::set<std::int32_t> seen;
  for (Kind kind : {Kind::TypeMismatch, Kind::Overflow, Kind::DivisionByZero,
                    Kind::FloatingPointFault, Kind::InvalidArgument, Kind::LaunchFailure}) {
    EXPECT_TRUE(seen.insert(ErrorNumber(kind)).second);
    CalcError error(kind, "Something went wrong.");
    EXPECT_EQ(error.number(), ErrorNumber(kind));
    EXPECT_EQ(error.description(), "Something went wrong.");
  }
}

struct ReadCase {
  const char* text;
  double expected;
};

TEST(ToNumberTest, ReadsWhatUsersType) {
  const ReadCase cases[] = {
      {"50", 50},
      {" 50 ", 50},
      {"\t7\t", 7},
      {"+8", 8},
      {"-8", -8},
      {"2.8", 2.8},
      {".5", 0.5},
      {"5.", 5},
      {"00001.5", 1.5},
      {"1e3", 1000},
      {"1E-2", 0.01},
      {"-2.5e+1", -25},
      {"0e99999", 0},
      {"1e-400", 0},
      {"0.01e-9223372036854775808", 0},
      {"-10e-99999999999999999999", -0.0},
      {"4.9e-324", 4.9e-324},
      {"1.7976931348623157e308", 1.7976931348623157e308},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToNumber(c.text, kPlainFormat), c.expected) << '"' << c.text << '"';
  }
}

TEST(ToNumberTest, ReadsTheSeparatorOfTheGivenFormat) {
  EXPECT_EQ(ToNumber("2,8", kComma), 2.8);
  EXPECT_EQ(ToNumber(" ,5 ", kComma), 0.5);
  EXPECT_EQ(ToNumber("2\xD9\xAB"
                     "8",
                     kArabic),
            2.8);
  EXPECT_EQ(KindThrownBy([] { ToNumber("2.8", kComma); }), Kind::TypeMismatch);
  EXPECT_EQ(KindThrownBy([] { ToNumber("2,8", kPlainFormat); }), Kind::TypeMismatch);
}

TEST(ToNumberTest, ReadsTextsOfAnyLength) {
  const std::string zeros(150000, '0');
  // 2^53 + 1 lies halfway between two doubles: a nonzero digit however far
  // behind it rounds up, and without one the tie goes to the even double.
  const std::string halfway = "9007199254740993." + std::string(1000, '0');
  const struct {
    std::string text;
    const NumberFormat& format;
    double expected;
  } cases[] = {
      {"0." + std::string(100, '0') + "25", kPlainFormat, 0.25e-100},
      {"1" + zeros + "e-200000", kPlainFormat, 0},
      {"5" + zeros + "e-150000", kPlainFormat, 5},
      {"-5" + zeros + "e-150000", kComma, -5},
      {"0," + zeros + "25e150001", kComma, 2.5},
      {"0." + zeros + "1e-200000", kPlainFormat, 0},
      {zeros + "8", kPlainFormat, 8},
      {zeros + "1e-400", kPlainFormat, 0},  // leading zeros add nothing to the size
      {"2.8" + zeros, kPlainFormat, 2.8},
      {halfway + "1", kPlainFormat, 9007199254740994.0},
      {halfway, kPlainFormat, 9007199254740992.0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToNumber(c.text, c.format), c.expected) << c.text.substr(0, 40) << "...";
  }
  const std::string tooLarge[] = {
      "1" + std::string(400, '0'),
      "0." + zeros + "1e200000",
      "1e1" + zeros,
      zeros + "1e400",
  };
  for (const std::string& text : tooLarge) {
    EXPECT_EQ(KindThrownBy([&] { ToNumber(text, kPlainFormat); }), Kind::Overflow)
        << text.substr(0, 40) << "...";
  }
}

TEST(ToNumberTest, RejectsWhatIsNotAPlainNumber) {
  const char* rejected[] = {"",     "   ", "abc",   "1,000", "1.2.3", "0x10",  "inf", "nan",
                            "1e",   "1e+", "+",     "-",     ".",     "1 2",   "--1", "+-1",
                            "1.5x", "e5",  "1e5.5", "5 mm",  "5\n0",  "5\r\n0"};
  for (const char* text : rejected) {
    EXPECT_EQ(KindThrownBy([&] { ToNumber(text, kPlainFormat); }), Kind::TypeMismatch)
        << '"' << text << '"';
  }
}

TEST(ToNumberTest, ReadsDigitsAndSignsOfEveryScript) {
  const struct {
    const char* text;
    const NumberFormat& format;
    double expected;
  } cases[] = {
      {"\uFF15\uFF10", kPlainFormat, 50},                // full-width
      {"\uFF12\uFF0E\uFF18", kPlainFormat, 2.8},         // with a full-width full stop
      {"\uFF12\uFF0C\uFF18", kComma, 2.8},               // and a full-width comma
      {"\uFF0D\uFF18", kPlainFormat, -8},                // full-width minus
      {"\uFF0B\uFF18", kPlainFormat, 8},                 // and plus
      {"\u0665\u0660", kPlainFormat, 50},                // Arabic-Indic
      {"\u0662\u066B\u0668", kArabic, 2.8},              // with the Arabic separator
      {"\u06F5\u06F0", kPlainFormat, 50},                // Persian and Urdu
      {"\u096B\u0966", kPlainFormat, 50},                // Devanagari
      {"\u0E55\u0E50", kPlainFormat, 50},                // Thai
      {"\U0001D7D3\U0001D7CE", kPlainFormat, 50},        // mathematical bold
      {"5\u0660", kPlainFormat, 50},                     // scripts mixed
      {"\u22128", kPlainFormat, -8},                     // the minus sign
      {"1e\u22122", kPlainFormat, 0.01},                 // in the exponent too
      {"\u00A050\u00A0", kPlainFormat, 50},              // no-break spaces around
      {"\u300050\u3000\u2009\u202F", kPlainFormat, 50},  // ideographic, thin, narrow
      {" \t\u200A-2.5\u2003", kPlainFormat, -2.5},
      {"\u20002.8\u2000", kPlainFormat, 2.8},     // the first of the wide spaces
      {"\u0662\u066B\u0668", kPlainFormat, 2.8},  // the Arabic separator for "."
      {"\u0662\u066B\u0668", kComma, 2.8},        // and for ","
      {"2\u066B8", kPlainFormat, 2.8},            // with ASCII digits
      // Line breaks and invisible characters around the number: pasted from
      // spreadsheets, terminals, web pages and right-to-left documents.
      {"50\n", kPlainFormat, 50},
      {"\r\n8\r\n", kPlainFormat, 8},
      {"\v5\f\r", kPlainFormat, 5},
      {"5\u0085\u2028\u2029", kPlainFormat, 5},
      {"\u200E50\u200F", kPlainFormat, 50},             // direction marks
      {"\u202B\u22128\u202C", kPlainFormat, -8},        // an embedding and its end
      {"\u2067\u0662\u066B\u0668\u2069", kComma, 2.8},  // an isolate
      {"2,8\u202A\u202D\u202E\u061C", kComma, 2.8},
      {"\uFEFF50", kPlainFormat, 50},  // a byte-order mark
      {"5\u200B", kPlainFormat, 5},    // a zero-width space
      {"5\u2060\u2066\u2068\u200C\u200D", kPlainFormat, 5},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ToNumber(c.text, c.format), c.expected) << '"' << c.text << '"';
}

TEST(ToNumberTest, RejectsWhatIsNotANumberInAnyScript) {
  const char* rejected[] = {
      "\u4E94\u5341",   // 五十, numerals but not digits
      "\u2075\u2070",   // superscripts
      "\u2164",         // the roman numeral five
      "\u2464",         // a circled five
      "5\u00A00",       // a space inside the number
      "\uFF15 \uFF10",  // even between full-width digits
      "\uFF15\uFF0C5",  // a full-width comma where the separator is a point
      "5\u3002"
      "5",               // the ideographic full stop is no separator
      "\u22122\u22122",  // two signs
      "\uFF45"
      "5",         // a full-width letter
      "5\u200B0",  // invisible characters inside the number
      "5\u20280",
      "-\u200E5",
      "2\u066C800",  // the Arabic thousands separator
      "2\u066B8\u066B0",
      "5\u00AD",           // a soft hyphen
      "\xC0\xB5",          // an overlong "5": not UTF-8
      "\xE0\x80\xB5",      // another
      "\xED\xA0\x80",      // a surrogate
      "5\xD9",             // a cut-off character
      "\xF4\x90\x80\x80",  // beyond U+10FFFF
      "\xF8\x9D\x9F\x8E",  // a lead byte no UTF-8 has, then a digit's last bytes
      "5\xA0",             // a Latin-1 no-break space
  };
  for (const char* text : rejected) {
    EXPECT_EQ(KindThrownBy([&] { ToNumber(text, kPlainFormat); }), Kind::TypeMismatch)
        << '"' << text << '"';
  }
}

TEST(CharactersTest, TakeCodePointTakesOneCharacterOrOneByteThatIsNotUtf8) {
  // At the edges of well-formed UTF-8: the shortest form only, no surrogates,
  // nothing beyond U+10FFFF, every continuation byte in place.
  const struct {
    std::string_view text;
    char32_t expected;
    std::size_t taken;
  } cases[] = {
      {{"\0", 1}, 0, 1},
      {"\x7F", 0x7F, 1},
      {"\xC2\xA0", 0xA0, 2},
      {"\xED\x9F\xBF", 0xD7FF, 3},
      {"\xEE\x80\x80", 0xE000, 3},
      {"\xF4\x8F\xBF\xBF", 0x10FFFF, 4},
      {"\x80", kNotUtf8, 1},              // a continuation byte alone
      {"\xA0", kNotUtf8, 1},              // Latin-1's no-break space
      {"\xC1\xBF", kNotUtf8, 1},          // an overlong form
      {"\xED\xA0\x80", kNotUtf8, 1},      // the first surrogate
      {"\xE2\x88", kNotUtf8, 1},          // cut off
      {"\xE2\x88-", kNotUtf8, 1},         // broken off
      {"\xF8\x90\x80\x80", kNotUtf8, 1},  // a lead byte of five
  };
  for (const auto& c : cases) {
    std::string_view rest = c.text;
    EXPECT_EQ(TakeCodePoint(rest), c.expected) << ::testing::PrintToString(std::string(c.text));
    EXPECT_EQ(c.text.size() - rest.size(), c.taken)
        << ::testing::PrintToString(std::string(c.text));
  }
}

TEST(CharactersTest, FullWidthFormsOfPrintableAsciiOnly) {
  const struct {
    char32_t c, expected;
  } cases[] = {
      {U'!', 0xFF01}, {U'.', 0xFF0E}, {U',', 0xFF0C},   {U'~', 0xFF5E},
      {U' ', U' '},   {0x7F, 0x7F},   {0x066B, 0x066B},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FullWidth(c.c), c.expected) << static_cast<std::uint32_t>(c.c);
}

TEST(CharactersTest, NumberCharacterIsZeroForWhatHasNoPlaceInANumber) {
  const char32_t separator = U'.';
  for (char32_t c : {char32_t{U'x'}, char32_t{U'*'}, char32_t{U'/'}, char32_t{0x4E94}, kNotUtf8})
    EXPECT_EQ(NumberCharacter(c, separator), 0) << static_cast<std::uint32_t>(c);
}

TEST(ToNumberTest, TellsOfANumberTooSmallForADouble) {
  const struct {
    const char* text;
    double value;
    bool tooSmall;
  } cases[] = {
      {"1e-400", 0, true},
      {"-1e-400", -0.0, true},
      {"2e-324", 0, true},          // below half the least subnormal
      {"3e-324", 4.9e-324, false},  // the least subnormal
      {"0", 0, false},
      {"-0e-999", -0.0, false},
      {"0.000e-400", 0, false},
      {"8", 8, false},
  };
  for (const auto& c : cases) {
    NumberReading reading = ReadNumber(c.text, kPlainFormat);
    EXPECT_EQ(reading.value, c.value) << c.text;
    EXPECT_EQ(std::signbit(reading.value), std::signbit(c.value)) << c.text;
    EXPECT_EQ(reading.tooSmall, c.tooSmall) << c.text;
  }
}

TEST(ToNumberTest, SaysWhenOnlyAnInvisibleCharacterSpoilsTheNumber) {
  const struct {
    const char* text;
    bool hides;
  } cases[] = {
      {"5\u200B0", true},    {"5\n0", true},           {"\u200E-\u200E5", true},
      {"1e4\u200B00", true},  // a number too large, but a number
      {"5 0", false},        {"5\u200Bx", false},      {"abc", false},
      {"\u200B", false},     {"\u200B \u200B", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(HidesInvisibleCharacter(c.text, kPlainFormat), c.hides) << '"' << c.text << '"';
}

TEST(ToNumberTest, ValuesBeyondTheDoubleRangeOverflow) {
  // Exponents at the limit of 64 bits and beyond, with the first digit
  // moving the number further out.
  for (const char* text :
       {"1e309", "-1e400", "1e99999999999999999999", "0.001e312", "10e9223372036854775807",
        "99e9223372036854775807", "-0.01e99999999999999999999", "1e+00000000000000000000000309"}) {
    EXPECT_EQ(KindThrownBy([&] { ToNumber(text, kPlainFormat); }), Kind::Overflow) << text;
  }
  EXPECT_EQ(ToNumber("1000e-326", kPlainFormat), 1e-323);
}

struct FormatCase {
  double value;
  const char* expected;
};

TEST(FormatValueTest, TwoDecimalsRoundHalvesAwayFromZero) {
  const FormatCase cases[] = {
      {3.4177083, "3.42"},     {0.125, "0.13"},
      {-0.125, "-0.13"},       {0.375, "0.38"},
      {99.875, "99.88"},       {2.5, "2.50"},
      {9.999, "10.00"},        {-9.995, "-9.99"},
      {1.005, "1.00"},         {0, "0.00"},
      {-0.0, "0.00"},          {-0.001, "0.00"},
      {0.004, "0.00"},         {0.005, "0.01"},
      {12345.678, "12345.68"}, {1e20, "100000000000000000000.00"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatValue(c.value, kPlainFormat), c.expected) << c.value;
  }
  EXPECT_EQ(FormatValue(3.4177083, kComma), "3,42");
  EXPECT_EQ(FormatValue(1e308, kPlainFormat).size(), 309u + 3u);
}

TEST(NumberToTextTest, WritesPlainNumbersWithASignColumn) {
  const FormatCase cases[] = {
      {3.42, " 3.42"},
      {4.50, " 4.5"},
      {0, " 0"},
      {-0.0, " 0"},
      {-3.42, "-3.42"},
      {10936.67, " 10936.67"},
      {0.13, " 0.13"},
      {0.1 + 0.2, " 0.3"},
      {0.001, " 0.001"},
      {123456789012345, " 123456789012345"},
      {999999999999999.9, " 1E+15"},
      {1e15, " 1E+15"},
      {-1234567890123456, "-1.23457E+15"},
      {1e-16, " 1E-16"},
      {1.234567890123456e-16, " 1.23456789012346E-16"},
      {1.5e300, " 1.5E+300"},
      // Six digits from 1E+15 on, rounded once: its 15 digits would be
      // 1.00001500000000E+15, a half that rounds up to 1.00002E+15.
      {1000014999999999.9, " 1.00001E+15"},
      {1000005000000000.1, " 1.00001E+15"},
      {999999500000000000.0, " 1E+18"},
      {1.0936666666666667e18, " 1.09367E+18"},
      {-std::numeric_limits<double>::max(), "-1.79769E+308"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NumberToText(c.value), c.expected) << c.value;
  }
}

TEST(NumberToTextTest, ReadsTextTheWayToNumberDoes) {
  // At the edges of 15 significant digits and of the exponent form.
  const struct {
    const char* text;
    const char* expected;
  } cases[] = {
      {"007.50", " 7.5"},
      {"+5", " 5"},
      {"1.", " 1"},
      {".5", " 0.5"},
      {"-.0", " 0"},
      {"00.010", " 0.01"},
      {"1e3", " 1000"},
      {"123456789012345", " 123456789012345"},
      {"1234567890123456", " 1.23457E+15"},
      {"999999999999999.5", " 1E+15"},
      {"999999999999999.4", " 999999999999999"},
      {"99999999999999.95", " 100000000000000"},
      {"0.000000000000001", " 0.000000000000001"},
      {"0.0000000000000001", " 1E-16"},
      {"0.000000000000001234567890123451", " 0.00000000000000123456789012345"},
      {"0.1234567890123456", " 0.123456789012346"},
      {"-1234567890123.45", "-1234567890123.45"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(NumberToText(c.text, kPlainFormat), c.expected) << c.text;
  EXPECT_EQ(NumberToText("3,40", kComma), " 3.4");
  EXPECT_EQ(NumberToText(" -0.00 ", kPlainFormat), " 0");
  EXPECT_EQ(KindThrownBy([] { NumberToText("abc", kPlainFormat); }), Kind::TypeMismatch);
  EXPECT_EQ(KindThrownBy([] { NumberToText(".", kPlainFormat); }), Kind::TypeMismatch);
  EXPECT_EQ(KindThrownBy([] { NumberToText(std::numeric_limits<double>::quiet_NaN()); }),
            Kind::TypeMismatch);
}

// Doubles spread over every magnitude, both signs, as random bit patterns.
std::vector<double> RandomDoubles(int count) {
  std::mt19937_64 random(7);
  std::vector<double> values;
  while (static_cast<int>(values.size()) < count) {
    double value = std::bit_cast<double>(random());
    if (std::isfinite(value))
      values.push_back(value);
  }
  return values;
}

TEST(FormattersTest, AgreeWithExactRoundingAcrossAllMagnitudes) {
  for (double value : RandomDoubles(20000)) {
    // Also the same mantissa moved to where two decimals matter: 2^-11 to 2^49.
    int ignored = 0;
    int exponent = static_cast<int>(std::bit_cast<std::uint64_t>(value) % 60) - 10;
    double everyday = std::ldexp(std::frexp(value, &ignored), exponent);
    for (double v : {value, everyday}) {
      double shown = std::strtod(FormatValue(v, kPlainFormat).c_str(), nullptr);
      ASSERT_EQ(shown, testing::RoundToCents(v)) << std::hexfloat << v;
      if (v != 0) {
        double text = std::strtod(NumberToText(v).c_str(), nullptr);
        double rounded = testing::RoundToSignificant(v, 15);
        ASSERT_EQ(text, std::fabs(rounded) < 1e15 ? rounded : testing::RoundToSignificant(v, 6))
            << std::hexfloat << v;
      }
    }
  }
}

TEST(DivideTest, QuotientsAndTheirErrors) {
  EXPECT_EQ(Divide(6, 3), 2);
  EXPECT_EQ(Divide(1e-308, 1e10), 1e-318);
  struct {
    double dividend, divisor;
    Kind kind;
  } failures[] = {
      {1, 0, Kind::DivisionByZero},
      {-1, -0.0, Kind::DivisionByZero},
      {0, 0, Kind::Overflow},
      {1e308, 1e-10, Kind::Overflow},
  };
  for (const auto& f : failures) {
    EXPECT_EQ(KindThrownBy([&] { Divide(f.dividend, f.divisor); }), f.kind)
        << f.dividend << " / " << f.divisor;
  }
}

TEST(FloatChecksTest, FlagsRaisedByARunTimeProductAreSeen) {
  ClearFloat();
  EXPECT_NO_THROW(CheckFloat());
  // Constant operands: a compiler that folded the product would raise no flag.
  Multiply(1e200, 1e200);
  EXPECT_EQ(KindThrownBy([] { CheckFloat(); }), Kind::FloatingPointFault);
  ClearFloat();
  EXPECT_NO_THROW(CheckFloat());
  Multiply(1e-200, 1e-200);
  EXPECT_NO_THROW(CheckFloat()) << "underflow is not a fault";
  Multiply(std::numeric_limits<double>::infinity(), 0.0);
  EXPECT_EQ(KindThrownBy([] { CheckFloat(); }), Kind::FloatingPointFault) << "invalid";
  ClearFloat();
  EXPECT_NO_THROW(CheckFloat()) << "an invalid operation alone is cleared too";
}

}  // namespace
}  // namespace quorvel
