// SPDX-License-Identifier: MIT
//
// Which colours a control of a table (control_table.h) is drawn in, decided
// once for every front end: each fills SystemColours from its desktop (Qt's
// palette; Win32's system colours and its high-contrast flag) and applies
// what ColoursOf gives.
//
// The tables' colours are those of a light desktop. On a dark one, or in a
// high-contrast theme, a fixed colour may not read, so every text reads on
// its background at 4.5:1 or better (WCAG's AA level for normal text): a
// text takes its own colour where that reads, else the desktop's, else black
// or white, whichever reads better.
#pragma once

#include <cstdint>

#include "ui/control_table.h"

namespace quorvel::ui {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The contrast of two colours, from 1 (the same) to 21 (black and white), as
// the Web Content Accessibility Guidelines define it.
double ContrastRatio(Rgb a, Rgb b);

// The least contrast at which text reads.
inline constexpr double kReadableContrast = 4.5;

// The desktop's colours. Of the system colours, the one a table names is
// number 14, highlight text; any other number stands for black.
struct SystemColours {
  Rgb window;      // a window's background, behind its controls
  Rgb windowText;  // text on the window's background
  Rgb fieldText;   // text on a background a control has of its own
  Rgb link;
  Rgb light;  // the light and the dark shade of an etched edge
  Rgb dark;
  Rgb highlightText;
  bool highContrast = false;  // the user chose a high-contrast theme
};

struct Colours {
  Rgb fore;  // the text, and a single border; a line's colour
  Rgb back;
};

// The colours of the control of `row` on a desktop of `system`'s colours.
// A text takes the row's colour where it reads, else the desktop's link
// colour; in a high-contrast theme the link colour comes first, since the
// theme's colours stand in for every fixed one. An etched line keeps its
// fixed colour on a light window, which it was made for; on a dark one, and
// in a high-contrast theme, it takes the shade that its colour stands for.
Colours ColoursOf(const ControlRow& row, const SystemColours& system);

}  // namespace quorvel::ui
