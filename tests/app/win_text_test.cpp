// SPDX-License-Identifier: MIT
// Text conversions at the Windows API boundary (Windows only).
#include "app/win_text.h"

#include <gtest/gtest.h>

namespace quorvel::win {
namespace {

constexpr unsigned kWestern = 1252;

TEST(WinTextTest, ConvertsExactlyOrNotAtAll) {
  EXPECT_EQ(Widen("Caf\xc3\xa9"), L"Caf\u00e9");
  EXPECT_EQ(Narrow(L"Caf\u00e9"), "Caf\xc3\xa9");
  EXPECT_EQ(Narrow(L"Caf\u00e9", kWestern), "Caf\xe9");
  EXPECT_EQ(Widen("Caf\xe9", kWestern), L"Caf\u00e9");
  EXPECT_EQ(Widen(""), L"");

  EXPECT_EQ(Widen("Caf\xe9"), std::nullopt) << "not UTF-8";
  EXPECT_EQ(Narrow(L"\xd800"), std::nullopt) << "a lone surrogate";
  // Cyrillic has no place in the Western code page; "Ω" and "ł" have only
  // look-alikes there, which are refused as well.
  for (const wchar_t* text : {L"\u041a\u043b\u044e\u0447", L"Wert \u03a9", L"\u0142"})
    EXPECT_EQ(Narrow(text, kWestern), std::nullopt) << static_cast<int>(text[0]);
}

}  // namespace
}  // namespace quorvel::win
