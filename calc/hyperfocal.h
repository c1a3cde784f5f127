// SPDX-License-Identifier: MIT
//
// The hyperfocal computation behind the main window's Calculate button. It
// touches no window: the caller passes the two texts the user typed and
// writes the caption it gets back.
//
//   H = f^2 / (0.3 * N) * 0.001 * 3.281 feet, rounded to two decimals.
#pragma once

#include <string>
#include <string_view>

#include "app/number_format.h"

namespace quorvel {

// The argument positions that CalcError::argument() reports.
inline constexpr int kFocalArgument = 0;
inline constexpr int kApertureArgument = 1;

// Gives the result caption, for example " 3.42 ft." for a 50 mm lens at f/8.
// focalText is the focal length in millimetres, apertureText the f-number;
// both are read in `format`, the user's by default. Throws CalcError from the
// failing step; its description names the input at fault, and its argument()
// tells which one it was.
std::string CalcHyperfocal(std::string_view focalText, std::string_view apertureText,
                           const NumberFormat& format = UserNumberFormat());

}  // namespace quorvel
