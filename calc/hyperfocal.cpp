// SPDX-License-Identifier: MIT
#include "calc/hyperfocal.h"

#include <string>

#include "app/calc_error.h"
#include "app/float_checks.h"
#include "app/number_services.h"

namespace quorvel {
namespace {

// The circle-of-confusion factor. It is 0.3, not the textbook 0.03 mm: the
// program has always used this value, and its results are what users know.
constexpr double kConfusionFactor = 0.3;
constexpr double kMillimetresToMetres = 1e-3;
constexpr double kFeetPerMetre = 3.281;
constexpr DigitPattern kResultPattern{"###0.00"};
constexpr std::string_view kUnitSuffix = " ft.";

using Kind = CalcError::Kind;

// An input and how to ask for it: its name, and a whole and a fractional
// example of it.
struct Input {
  std::string_view name;
  std::string_view whole;
  std::string_view integerPart;
  std::string_view fractionPart;
  int argument;
};
constexpr Input kFocal{"The focal length", "50", "10", "5", kFocalArgument};
constexpr Input kAperture{"The f-number", "8", "2", "8", kApertureArgument};

// Reads one of the two inputs; an error says which input was at fault, and
// shows numbers typed as the user must type them ("8 or 2,8" in a locale
// that writes a decimal comma).
double ReadInput(std::string_view text, const NumberFormat& format, const Input& input) {
  try {
    return ToNumber(text, format);
  } catch (const CalcError& error) {
    std::string what(input.name);
    if (error.kind() == Kind::Overflow) {
      throw CalcError(error.kind(), what + " is too large a number.", input.argument);
    }
    throw CalcError(error.kind(),
                    what + " is not a number. Type a number, for example " +
                        std::string(input.whole) + " or " + std::string(input.integerPart) +
                        std::string(format.decimal) + std::string(input.fractionPart) + ".",
                    input.argument);
  }
}

// CheckFloat, with an error that says what went beyond the range and which
// input is to blame.
void CheckFloatFor(const char* description, int argument) {
  try {
    CheckFloat();
  } catch (const CalcError&) {
    throw CalcError(Kind::FloatingPointFault, description, argument);
  }
}

}  // namespace

std::string CalcHyperfocal(std::string_view focalText, std::string_view apertureText,
                           const NumberFormat& format) {
  ClearFloat();
  double focal = ReadInput(focalText, format, kFocal);
  double focalSquared = Multiply(focal, focal);
  CheckFloatFor(
      "The focal length is too large: its square is beyond the range of numbers this program "
      "can handle.",
      kFocalArgument);

  ClearFloat();
  double aperture = ReadInput(apertureText, format, kAperture);
  double denominator = Multiply(aperture, kConfusionFactor);
  CheckFloatFor("The f-number is too large to compute with.", kApertureArgument);

  double quotient = 0.0;
  try {
    quotient = Divide(focalSquared, denominator);
  } catch (const CalcError& error) {
    if (error.kind() == Kind::DivisionByZero) {
      throw CalcError(error.kind(), "The f-number cannot be zero.", kApertureArgument);
    }
    if (focalSquared == 0.0) {
      throw CalcError(error.kind(),
                      "A focal length of zero with an f-number of zero has no hyperfocal distance.",
                      kApertureArgument);
    }
    throw CalcError(error.kind(),
                    "The hyperfocal distance is too large to compute: try a smaller focal length "
                    "or a larger f-number.",
                    kFocalArgument);
  }
  double feetPerMillimetreUnit = Multiply(kMillimetresToMetres, kFeetPerMetre);
  // The flags were last cleared before the f-number was read, so this covers
  // every step since.
  CheckFloatFor("The hyperfocal distance is beyond the range of numbers this program can handle.",
                CalcError::kNoArgument);
  double feet = Multiply(quotient, feetPerMillimetreUnit);

  std::string caption = NumberToText(FormatValue(feet, kResultPattern, format), format);
  caption.append(kUnitSuffix);
  return caption;
}

}  // namespace quorvel
