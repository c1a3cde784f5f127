// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// How the user writes numbers: only the decimal separator matters to this
// program, since it accepts no grouping.
struct NumberFormat {
  std::string_view decimal = ".";
};

// The plain format with "." as the decimal separator.
inline constexpr NumberFormat kPlainFormat{};

// The user's number format, read once from the operating system's settings.
// On POSIX the LC_ALL / LC_NUMERIC / LANG locale decides; a locale that is not
// installed falls back to the C locale. On Windows the user's locale does.
const NumberFormat& UserNumberFormat();

namespace detail {
// Reads the decimal separator from the platform; called once by UserNumberFormat.
std::string ReadUserDecimalSeparator();
}  // namespace detail

}  // namespace quorvel
