// SPDX-License-Identifier: MIT
#include "calc/hyperfocal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "app/calc_error.h"
#include "tests/support/rounding_oracle.h"

namespace quorvel {
namespace {

using Kind = CalcError::Kind;

struct Worked {
  const char* focal;
  const char* aperture;
  const char* caption;
};

TEST(CalcHyperfocalTest, WorkedResults) {
  const Worked rows[] = {
      {"50", "8", " 3.42 ft."},
      {"35", "11", " 1.22 ft."},
      {"200", "2.8", " 156.24 ft."},
      {"1000", "1", " 10936.67 ft."},
      {"24", "1.4", " 4.5 ft."},
      {"35", "2", " 6.7 ft."},
      {"0", "8", " 0 ft."},
      {"50", "-8", "-3.42 ft."},
      // Blanks around a number, a negative focal length, tiny results.
      {" 50 ", " 8 ", " 3.42 ft."},
      {"-50", "8", " 3.42 ft."},
      {"1", "8", " 0 ft."},
      {"1e-200", "8", " 0 ft."},
      {"0.01e-9223372036854775808", "8", " 0 ft."},
      {"0", "-8", " 0 ft."},
      {"10", "8", " 0.14 ft."},
      {"5000", "1", " 273416.67 ft."},
      {"1e6", "0.1", " 109366666666.67 ft."},
      // The longest plain results, then from 10^15 feet on six digits.
      {"1e7", "1", " 1093666666666.67 ft."},
      {"3e7", "-1", "-9843000000000 ft."},
      {"1e8", "1", " 109366666666667 ft."},
      {"1e10", "1", " 1.09367E+18 ft."},
      {"1e150", "-1", "-1.09367E+298 ft."},
      {"1e154", "4", " 2.73417E+305 ft."},
      // Numbers as people type them in other scripts and with other keyboards.
      {"\uFF15\uFF10", "\uFF18", " 3.42 ft."},
      {"\uFF12\uFF10\uFF10", "\uFF12\uFF0E\uFF18", " 156.24 ft."},
      {"\u0665\u0660", "\u0668", " 3.42 ft."},
      {"\u096B\u0966", "\u096E", " 3.42 ft."},
      {"50\u00A0", "\u22128", "-3.42 ft."},
      {"\u0662\u0660\u0660", "\u0662\u066B\u0668", " 156.24 ft."},
      // Pasted with line breaks and invisible characters around the number.
      {"50\n", "8\r\n", " 3.42 ft."},
      {"\u200F50\u200E", "\uFEFF8\u200B", " 3.42 ft."},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(CalcHyperfocal(row.focal, row.aperture, kPlainFormat), row.caption)
        << row.focal << " mm at f/" << row.aperture;
  }
}

TEST(CalcHyperfocalTest, PressingAgainGivesTheSameCaption) {
  std::string first = CalcHyperfocal("200", "2.8", kPlainFormat);
  EXPECT_EQ(CalcHyperfocal("200", "2.8", kPlainFormat), first);
}

TEST(CalcHyperfocalTest, DecimalCommaFormat) {
  constexpr NumberFormat comma{","};
  EXPECT_EQ(CalcHyperfocal("200", "2,8", comma), " 156.24 ft.");
  EXPECT_EQ(CalcHyperfocal("24", "1,4", comma), " 4.5 ft.");
  EXPECT_THROW(CalcHyperfocal("200", "2.8", comma), CalcError);
}

TEST(CalcHyperfocalTest, ErrorsShowNumbersWithTheUsersSeparator) {
  const NumberFormat comma{","};
  const struct {
    const char* focal;
    const char* aperture;
    const NumberFormat& format;
    const char* example;
  } cases[] = {
      {"200", "2.8", comma, "for example 8 or 2,8."},
      {"200", "2,8", kPlainFormat, "for example 8 or 2.8."},
      {"10.5", "8", comma, "for example 50 or 10,5."},
  };
  for (const auto& c : cases) {
    try {
      CalcHyperfocal(c.focal, c.aperture, c.format);
      ADD_FAILURE() << c.aperture << " was read";
    } catch (const CalcError& error) {
      EXPECT_TRUE(error.description().ends_with(c.example)) << error.description();
    }
  }
}

struct Failure {
  const char* focal;
  const char* aperture;
  Kind kind;
  const char* named;  // the input the description must name
  int argument;
};

TEST(CalcHyperfocalTest, FailuresStopAtTheirStep) {
  const Failure failures[] = {
      {"", "", Kind::TypeMismatch, "focal length", kFocalArgument},
      {"abc", "x", Kind::TypeMismatch, "focal length", kFocalArgument},
      {"50", "", Kind::TypeMismatch, "f-number", kApertureArgument},
      {"50", "f/8", Kind::TypeMismatch, "f-number", kApertureArgument},
      {"1e400", "8", Kind::Overflow, "focal length", kFocalArgument},
      {"50", "1e400", Kind::Overflow, "f-number", kApertureArgument},
      {"50", "0", Kind::DivisionByZero, "f-number", kApertureArgument},
      {"50", "0.01e-9223372036854775808", Kind::DivisionByZero, "f-number", kApertureArgument},
      {"10e9223372036854775807", "8", Kind::Overflow, "focal length", kFocalArgument},
      {"0", "0", Kind::Overflow, "f-number", kApertureArgument},
      {"1e200", "8", Kind::FloatingPointFault, "focal length", kFocalArgument},
      {"1e200", "abc", Kind::FloatingPointFault, "focal length", kFocalArgument},
      {"1e150", "1e-300", Kind::Overflow, "focal length", kFocalArgument},
      {"1e154", "1", Kind::Overflow, "focal length", kFocalArgument},
  };
  for (const auto& f : failures) {
    try {
      std::string caption = CalcHyperfocal(f.focal, f.aperture, kPlainFormat);
      ADD_FAILURE() << f.focal << ", " << f.aperture << " gave " << caption;
    } catch (const CalcError& error) {
      EXPECT_EQ(error.kind(), f.kind) << f.focal << ", " << f.aperture;
      EXPECT_EQ(error.argument(), f.argument) << f.focal << ", " << f.aperture;
      EXPECT_NE(error.description().find(f.named), std::string::npos) << error.description();
      EXPECT_EQ(error.description().back(), '.') << "a full sentence";
    }
  }
}

TEST(CalcHyperfocalTest, DescriptionsNameTheRealCause) {
  const char* focalNotSeen =
      "The focal length box holds a character that cannot be seen. Clear the box and type the "
      "number again.";
  const char* apertureNotSeen =
      "The f-number box holds a character that cannot be seen. Clear the box and type the number "
      "again.";
  const char* apertureTooSmall =
      "The f-number is too small a number for this program: it counts as zero, and an f-number "
      "cannot be zero.";
  const char* apertureZero = "The f-number cannot be zero.";
  const struct {
    const char* focal;
    const char* aperture;
    Kind kind;
    const char* description;
  } cases[] = {
      {"", "", Kind::TypeMismatch,
       "The focal length box is empty. Type a number, for example 50 or 10.5."},
      {" \t\u3000", "8", Kind::TypeMismatch,
       "The focal length box is empty. Type a number, for example 50 or 10.5."},
      {"\r\n\u200E", "8", Kind::TypeMismatch,
       "The focal length box is empty. Type a number, for example 50 or 10.5."},
      {"50", "", Kind::TypeMismatch,
       "The f-number box is empty. Type a number, for example 8 or 2.8."},
      {"50", "\u00A0", Kind::TypeMismatch,
       "The f-number box is empty. Type a number, for example 8 or 2.8."},
      {"50", "x", Kind::TypeMismatch,
       "The f-number is not a number. Type a number, for example 8 or 2.8."},
      {"\u4E94\u5341", "8", Kind::TypeMismatch,
       "The focal length is not a number. Type a number, for example 50 or 10.5."},
      // An invisible character inside the number, and what only looks like one.
      {"5\u200B0", "8", Kind::TypeMismatch, focalNotSeen},
      {"5\n0", "8", Kind::TypeMismatch, focalNotSeen},
      {"\u200E-\u200E50", "8", Kind::TypeMismatch, focalNotSeen},
      {"50", "2\r.8", Kind::TypeMismatch, apertureNotSeen},
      {"50", "8\uFEFF\uFEFF1e4\u200B00", Kind::TypeMismatch, apertureNotSeen},
      {"5 0", "8", Kind::TypeMismatch,
       "The focal length is not a number. Type a number, for example 50 or 10.5."},
      {"5\u200Bx", "8", Kind::TypeMismatch,
       "The focal length is not a number. Type a number, for example 50 or 10.5."},
      // Numbers too small for the program, and zeros.
      {"50", "1e-400", Kind::DivisionByZero, apertureTooSmall},
      {"50", "4.9e-324", Kind::DivisionByZero, apertureTooSmall},
      {"0", "-1e-400", Kind::Overflow, apertureTooSmall},
      {"1e-170", "1e-400", Kind::Overflow, apertureTooSmall},
      {"50", "0", Kind::DivisionByZero, apertureZero},
      {"1e-170", "0", Kind::Overflow, apertureZero},
      {"1e-400", "0", Kind::Overflow, apertureZero},
      {"0", "0e-400", Kind::Overflow,
       "A focal length of zero with an f-number of zero has no hyperfocal distance."},
  };
  for (const auto& c : cases) {
    try {
      CalcHyperfocal(c.focal, c.aperture, kPlainFormat);
      ADD_FAILURE() << '"' << c.focal << "\", \"" << c.aperture << "\" gave a result";
    } catch (const CalcError& error) {
      EXPECT_EQ(error.kind(), c.kind) << '"' << c.focal << "\", \"" << c.aperture << '"';
      EXPECT_EQ(error.description(), c.description);
    }
  }
}

TEST(CalcHyperfocalTest, CaptionIsTheRoundedFormulaForRandomInputs) {
  std::mt19937_64 random(20261207);
  std::uniform_int_distribution<int> focalCents(100, 200000);
  std::uniform_int_distribution<int> apertureTenths(5, 640);
  for (int i = 0; i < 20000; ++i) {
    char focalText[32];
    char apertureText[32];
    int cents = focalCents(random);
    int tenths = apertureTenths(random);
    std::snprintf(focalText, sizeof focalText, "%d.%02d", cents / 100, cents % 100);
    std::snprintf(apertureText, sizeof apertureText, "%d.%d", tenths / 10, tenths % 10);
    double f = std::strtod(focalText, nullptr);
    double n = std::strtod(apertureText, nullptr);
    double expected = testing::RoundToCents(f * f / (n * 0.3) * (1e-3 * 3.281));

    std::string caption = CalcHyperfocal(focalText, apertureText, kPlainFormat);
    ASSERT_EQ(caption.front(), ' ');
    ASSERT_TRUE(caption.ends_with(" ft.")) << caption;
    double shown = std::strtod(caption.c_str(), nullptr);
    ASSERT_EQ(shown, expected) << focalText << " mm at f/" << apertureText << ": " << caption;
  }
}

}  // namespace
}  // namespace quorvel
