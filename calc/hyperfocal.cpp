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

// An error of the runtime's services said again of what the user typed: which
// input was at fault, and how to type it, with numbers written as the user
// must write them ("8 or 2,8" in a locale that writes a decimal comma).
// `typed` is the text of the input read at `step`. Each text is a whole
// sentence for the catalogues.
CalcError Explain(const CalcError& error, Step step, std::string_view typed, bool focalIsZero,
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
      if (error.kind() == Kind::DivisionByZero)
        return {error.kind(), Tr("The f-number cannot be zero."), kApertureArgument};
      if (focalIsZero) {
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
  double focalSquared = 0.0;
  try {
    ClearFloat();
    double focal = ToNumber(focalText, format);
    step = Step::SquareFocal;
    focalSquared = Multiply(focal, focal);
    CheckFloat();

    step = Step::ReadAperture;
    ClearFloat();
    double aperture = ToNumber(apertureText, format);
    step = Step::ScaleAperture;
    double denominator = Multiply(aperture, kConfusionFactor);
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
    throw Explain(error, step, step == Step::ReadFocal ? focalText : apertureText,
                  focalSquared == 0.0, format);
  }
}

}  // namespace quorvel
