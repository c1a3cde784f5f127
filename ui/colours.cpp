// SPDX-License-Identifier: MIT
#include "ui/colours.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace quorvel::ui {
namespace {

// The relative luminance of a colour, from 0 (black) to 1 (white).
double Luminance(Rgb colour) {
  auto linear = [](std::uint8_t channel) {
    double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
}

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kMidGrey{128, 128, 128};

// A table colour: a fixed 0x00BBGGRR one, or, with the top bit set, the
// system's colour of the number in its low byte.
Rgb Resolve(std::uint32_t colour, const SystemColours& system) {
  if (colour == kDefaultColour || (colour & 0x80000000u) == 0) {
    return {static_cast<std::uint8_t>(colour & 0xFFu),
            static_cast<std::uint8_t>((colour >> 8) & 0xFFu),
            static_cast<std::uint8_t>((colour >> 16) & 0xFFu)};
  }
  return (colour & 0xFFu) == 14 ? system.highlightText : kBlack;
}

// The first of `choices` that reads on `background`, else black or white.
Rgb TextColour(Rgb background, std::initializer_list<Rgb> choices) {
  for (Rgb choice : choices) {
    if (ContrastRatio(choice, background) >= kReadableContrast)
      return choice;
  }
  return ContrastRatio(kBlack, background) >= ContrastRatio(kWhite, background) ? kBlack : kWhite;
}

}  // namespace

double ContrastRatio(Rgb a, Rgb b) {
  double lighter = std::max(Luminance(a), Luminance(b));
  double darker = std::min(Luminance(a), Luminance(b));
  return (lighter + 0.05) / (darker + 0.05);
}

Colours ColoursOf(const ControlRow& row, const SystemColours& system) {
  if (row.kind == ControlKind::Line) {
    Rgb fixed = Resolve(row.foreColour, system);
    double midGrey = Luminance(kMidGrey);
    if (Luminance(system.window) >= midGrey && !system.highContrast)
      return {fixed, system.window};
    return {Luminance(fixed) > midGrey ? system.light : system.dark, system.window};
  }
  bool ownBack = row.backColour != kDefaultColour;
  Rgb back = ownBack ? Resolve(row.backColour, system) : system.window;
  Rgb text = ownBack ? system.fieldText : system.windowText;
  if (row.foreColour == kDefaultColour)
    return {TextColour(back, {text}), back};
  if (system.highContrast)
    return {TextColour(back, {system.link, text}), back};
  return {TextColour(back, {Resolve(row.foreColour, system), system.link}), back};
}

}  // namespace quorvel::ui
