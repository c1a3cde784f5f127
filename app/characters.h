// SPDX-License-Identifier: MIT
//
// The characters of numbers as people type them, in any script:
//
//   TakeCodePoint    the next character of UTF-8 text
//   DigitValue       the value of a decimal digit of any script
//   IsSpace          a space of any width, the tab included
//   IsInvisible      a line break or a format character, which shows nothing
//   IsBlank          text of spaces and invisible characters only
//   NumberCharacter  what a character stands for in a number
#pragma once

#include <string_view>

namespace quorvel {

// Stands for bytes that are not UTF-8.
inline constexpr char32_t kNotUtf8 = 0xFFFFFFFF;

// Takes the first character off non-empty UTF-8 `text` and gives it, or
// kNotUtf8 (taking one byte) for bytes that are not well-formed UTF-8.
char32_t TakeCodePoint(std::string_view& text);

// The value, 0 to 9, of a decimal digit of any script (Unicode's general
// category Nd: "5", the full-width "５", the Arabic-Indic "٥", the
// Devanagari "५"); -1 for any other character.
int DigitValue(char32_t c);

// Whether `c` is a tab or one of Unicode's space separators (category Zs:
// the space, the no-break space, the ideographic space and the spaces of
// other widths).
bool IsSpace(char32_t c);

// The full-width form of a printable ASCII character ("." gives "．"), as an
// East Asian input method types it; `c` itself for any other character.
char32_t FullWidth(char32_t c);

// Whether `c` shows nothing in a one-line box: a line break (CR, LF, the
// vertical tab, the form feed, U+0085 and Unicode's line and paragraph
// separators) or a format character without a glyph (the direction marks
// and the other bidirectional controls, the byte-order mark, the zero-width
// space, non-joiner and joiner, the word joiner). Text copied from
// spreadsheets, terminals, web pages and right-to-left documents carries
// them around what it holds.
bool IsInvisible(char32_t c);

// Whether `text` is empty or holds nothing but spaces and invisible
// characters: no number at all.
bool IsBlank(std::string_view text);

// The character `c` stands for in a number: an ASCII digit for a digit of
// any script; '.' for the full-width form of `separator` (the user's decimal
// separator where it is one ASCII character, else 0) and, where that is "."
// or ",", for the Arabic decimal separator U+066B; '+' or '-' for a sign in
// any width and U+2212; 'e' for the exponent's mark; ' ' for a space or an
// invisible character; 0 for anything else.
char NumberCharacter(char32_t c, char32_t separator);

}  // namespace quorvel
