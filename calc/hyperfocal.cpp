// SPDX-License-Identifier: MIT
#include "calc/hyperfocal.h"

#include <string>

#include "app/calc_error.h"
#include "app/characters.h"
#include "app/float_checks.h"
#include "app/number_services.h"
#include "app/translation.h"

namespace quorvel {
namespace {

// The circle-of-confusion factor. It is 0.3, not the textbook 0.03 mm: the
// program has always used this value, and its results are what users know.
constexpr double kConfusionFactor = 0.3;
constexpr double kMillimetresToMetres = 1e-3;
constexpr double kFeetPerMetre = 3.281;
constexpr std::string_view kUnitSuffix = " ft.";

using Kind = CalcError::Kind;

// The steps that can fail, in the order they run.
enum class Step { ReadFocal, SquareFocal, ReadAperture, ScaleAperture, Divide, Scale };

// What the computation knew of its inputs when a step failed.
struct Inputs {
  // The focal length's square is zero: the focal length was zero, or too
  // small for its square to be a double.
  bool focalSquaredIsZero = false;
  // The focal length was written as zero, not merely too small.
  bool focalIsZero = false;
  // The f-number was not written as zero, but it or its product with the
  // confusion factor was too small for a double, and so zero.
  bool apertureTooSmall = false;
};

// An error of the runtime's services said again of what the user typed: which
// input was at fault, and how to type it, with numbers written as the user
// must write them ("8 or 2,8" in a locale that writes a decimal comma).
// `typed` is the text of the input read at `step`. Each text is a whole
// sentence for the catalogues.
CalcError Explain(const CalcError& error, Step step, std::string_view typed, const Inputs& inputs,
                  const NumberFormat& format) {
  const bool focal = step == Step::ReadFocal;
  const int input = focal ? kFocalArgument : kApertureArgument;
  const std::string whole = focal ? "50" : "8";
  const std::string fraction =
      (focal ? "10" : "2") + std::string(format.decimal) + (focal ? "5" : "8");
  switch (step) {
    case Step::ReadFocal:
    case Step::ReadAperture:
      if (error.kind() == Kind::Overflow) {
        return {error.kind(),
                focal ? Tr("The focal length is too large a number.")
                      : Tr("The f-number is too large a number."),
                input};
      }
      if (IsBlank(typed)) {
        return {
            error.kind(),
            Fill(focal ? Tr("The focal length box is empty. Type a number, for example %1 or %2.")
                       : Tr("The f-number box is empty. Type a number, for example %1 or %2."),
                 {whole, fraction}),
            input};
      }
      if (HidesInvisibleCharacter(typed, format)) {
        return {error.kind(),
                focal ? Tr("The focal length box holds a character that cannot be seen. Clear the "
                           "box and type the number again.")
                      : Tr("The f-number box holds a character that cannot be seen. Clear the box "
                           "and type the number again."),
                input};
      }
      return {
          error.kind(),
          Fill(focal ? Tr("The focal length is not a number. Type a number, for example %1 or %2.")
                     : Tr("The f-number is not a number. Type a number, for example %1 or %2."),
               {whole, fraction}),
          input};
    case Step::SquareFocal:
      return {error.kind(),
              Tr("The focal length is too large: its square is beyond the range of numbers this "
                 "program can handle."),
              kFocalArgument};
    case Step::ScaleAperture:
      return {error.kind(), Tr("The f-number is too large to compute with."), kApertureArgument};
    case Step::Divide:
      // A division by zero, or zero by zero: the f-number counted as zero.
      if (error.kind() == Kind::DivisionByZero || inputs.focalSquaredIsZero) {
        if (inputs.apertureTooSmall) {
          return {error.kind(),
                  Tr("The f-number is too small a number for this program: it counts as zero, "
                     "and an f-number cannot be zero."),
                  kApertureArgument};
        }
        // A focal length too small to square gives 0 ft. at any other
        // f-number: the zero f-number alone is at fault.
        if (!inputs.focalIsZero)
          return {error.kind(), Tr("The f-number cannot be zero."), kApertureArgument};
        return {error.kind(),
                Tr("A focal length of zero with an f-number of zero has no hyperfocal distance."),
                kApertureArgument};
      }
      return {error.kind(),
              Tr("The hyperfocal distance is too large to compute: try a smaller focal length or a "
                 "larger f-number."),
              kFocalArgument};
    case Step::Scale:
      break;
  }
  return {error.kind(),
          Tr("The hyperfocal distance is beyond the range of numbers this program can handle.")};
}

}  // namespace

std::string CalcHyperfocal(std::string_view focalText, std::string_view apertureText,
                           const NumberFormat& format) {
  Step step = Step::ReadFocal;
  Inputs inputs;
  try {
    ClearFloat();
    NumberReading focal = ReadNumber(focalText, format);
    inputs.focalIsZero = focal.value == 0.0 && !focal.tooSmall;
    step = Step::SquareFocal;
    double focalSquared = Multiply(focal.value, focal.value);
    inputs.focalSquaredIsZero = focalSquared == 0.0;
    CheckFloat();

    step = Step::ReadAperture;
    ClearFloat();
    NumberReading aperture = ReadNumber(apertureText, format);
    step = Step::ScaleAperture;
    double denominator = Multiply(aperture.value, kConfusionFactor);
    inputs.apertureTooSmall = denominator == 0.0 && (aperture.value != 0.0 || aperture.tooSmall);
    CheckFloat();

    step = Step::Divide;
    double quotient = Divide(focalSquared, denominator);
    step = Step::Scale;
    double feetPerMillimetreUnit = Multiply(kMillimetresToMetres, kFeetPerMetre);
    // The flags were last cleared before the f-number was read, so this
    // covers every step since.
    CheckFloat();
    double feet = Multiply(quotient, feetPerMillimetreUnit);

    // Rounded to two decimals by the pattern "###0.00", then written again
    // without the zeros the pattern wrote.
    std::string caption = NumberToText(FormatValue(feet, format), format);
    caption.append(kUnitSuffix);
    return caption;
  } catch (const CalcError& error) {
    throw Explain(error, step, step == Step::ReadFocal ? focalText : apertureText, inputs, format);
  }
}

}  // namespace quorvel
