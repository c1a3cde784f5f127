// SPDX-License-Identifier: MIT
// Runs with LC_ALL set to an installed locale (see tests/CMakeLists.txt) and
// QUORVEL_EXPECT_DECIMAL to that locale's decimal separator.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/calc_error.h"
#include "app/number_format.h"
#include "calc/hyperfocal.h"

namespace quorvel {
namespace {

TEST(UserLocaleTest, SeparatorComesFromTheSystemLocale) {
  const char* expected = std::getenv("QUORVEL_EXPECT_DECIMAL");
  ASSERT_NE(expected, nullptr);
  EXPECT_EQ(UserNumberFormat().decimal, expected)
      << "is the locale " << std::getenv("LC_ALL") << " installed?";
}

TEST(UserLocaleTest, InputUsesTheUserSeparatorAndTheCaptionAPoint) {
  EXPECT_EQ(CalcHyperfocal("200", "2,8"), " 156.24 ft.");
  EXPECT_EQ(CalcHyperfocal("24", "1,4"), " 4.5 ft.");
  EXPECT_THROW(CalcHyperfocal("200", "2.8"), CalcError);
}

TEST(UserLocaleTest, ARefreshReadsTheLocaleAgainAndEarlierFormatsStayValid) {
  const std::string locale = std::getenv("LC_ALL");
  NumberFormat before = UserNumberFormat();
  ASSERT_EQ(before.decimal, ",");
  setenv("LC_ALL", "C", 1);
  EXPECT_EQ(UserNumberFormat().decimal, ",") << "read once, until refreshed";
  RefreshUserNumberFormat();
  EXPECT_EQ(UserNumberFormat().decimal, ".");
  EXPECT_EQ(CalcHyperfocal("200", "2.8"), " 156.24 ft.");
  EXPECT_EQ(before.decimal, ",");

  setenv("LC_ALL", locale.c_str(), 1);
  RefreshUserNumberFormat();
  EXPECT_EQ(UserNumberFormat().decimal, ",");
  EXPECT_EQ(UserNumberFormat().decimal.data(), before.decimal.data())
      << "a separator read again is the one kept before";
}

}  // namespace
}  // namespace quorvel
