// SPDX-License-Identifier: MIT
#include "app/characters.h"

#include <algorithm>
#include <array>

namespace quorvel {
namespace {

// The first code point of each run of ten decimal digits, 0 to 9, in
// Unicode 15.0; every digit of category Nd stands in such a run. Made by
// scripts/unicode-digits.py.
constexpr std::array<char32_t, 68> kDigitZeros{
    0x00030, 0x00660, 0x006F0, 0x007C0, 0x00966, 0x009E6, 0x00A66, 0x00AE6, 0x00B66, 0x00BE6,
    0x00C66, 0x00CE6, 0x00D66, 0x00DE6, 0x00E50, 0x00ED0, 0x00F20, 0x01040, 0x01090, 0x017E0,
    0x01810, 0x01946, 0x019D0, 0x01A80, 0x01A90, 0x01B50, 0x01BB0, 0x01C40, 0x01C50, 0x0A620,
    0x0A8D0, 0x0A900, 0x0A9D0, 0x0A9F0, 0x0AA50, 0x0ABF0, 0x0FF10, 0x104A0, 0x10D30, 0x11066,
    0x110F0, 0x11136, 0x111D0, 0x112F0, 0x11450, 0x114D0, 0x11650, 0x116C0, 0x11730, 0x118E0,
    0x11950, 0x11C50, 0x11D50, 0x11DA0, 0x11F50, 0x16A60, 0x16AC0, 0x16B50, 0x1D7CE, 0x1D7D8,
    0x1D7E2, 0x1D7EC, 0x1D7F6, 0x1E140, 0x1E2F0, 0x1E4F0, 0x1E950, 0x1FBF0,
};
static_assert(std::ranges::is_sorted(kDigitZeros));

}  // namespace

char32_t TakeCodePoint(std::string_view& text) {
  auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char lead = byte(0);
  std::size_t length = lead < 0x80    ? 1
                       : lead >= 0xF8 ? 0
                       : lead >= 0xF0 ? 4
                       : lead >= 0xE0 ? 3
                       : lead >= 0xC2 ? 2
                                      : 0;
  char32_t c = lead & (0xFFu >> (length + 1));
  for (std::size_t i = 1; i < length; ++i) {
    if (i >= text.size() || (byte(i) & 0xC0) != 0x80)
      length = 0;
    else
      c = (c << 6) | (byte(i) & 0x3Fu);
  }
  // Overlong forms, surrogates and what lies beyond U+10FFFF are not UTF-8.
  constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
  if (length == 0 || c < kLeast[length] || (c >= 0xD800 && c < 0xE000) || c > 0x10FFFF) {
    text.remove_prefix(1);
    return kNotUtf8;
  }
  text.remove_prefix(length);
  return length == 1 ? lead : c;
}

int DigitValue(char32_t c) {
  if (c >= U'0' && c <= U'9')
    return static_cast<int>(c - U'0');
  auto zero = std::ranges::upper_bound(kDigitZeros, c);
  if (zero == kDigitZeros.begin() || c - *(zero - 1) > 9)
    return -1;
  return static_cast<int>(c - *(zero - 1));
}

bool IsSpace(char32_t c) {
  return c == U'\t' || c == U' ' || c == 0x00A0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) ||
         c == 0x202F || c == 0x205F || c == 0x3000;
}

char32_t FullWidth(char32_t c) {
  return c > U' ' && c < 0x7F ? c + 0xFEE0 : c;
}

bool IsInvisible(char32_t c) {
  return (c >= U'\n' && c <= U'\r') || c == 0x0085 || c == 0x2028 || c == 0x2029 || c == 0x061C ||
         (c >= 0x200B && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) || c == 0x2060 ||
         (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}

bool IsBlank(std::string_view text) {
  while (!text.empty()) {
    char32_t c = TakeCodePoint(text);
    if (!IsSpace(c) && !IsInvisible(c))
      return false;
  }
  return true;
}

char NumberCharacter(char32_t c, char32_t separator) {
  if (int digit = DigitValue(c); digit >= 0)
    return static_cast<char>('0' + digit);
  // The Arabic decimal separator is typed with Arabic-Indic digits wherever
  // the locale writes a point or a comma; its thousands separator, U+066C,
  // is no more accepted than any other grouping.
  if (separator != 0 &&
      (c == FullWidth(separator) || (c == U'\u066B' && (separator == U'.' || separator == U','))))
    return '.';
  if (c == U'+' || c == FullWidth(U'+'))
    return '+';
  if (c == U'-' || c == FullWidth(U'-') || c == U'\u2212')
    return '-';
  if (c == U'e' || c == U'E')
    return 'e';
  return IsSpace(c) || IsInvisible(c) ? ' ' : 0;
}

}  // namespace quorvel
