// SPDX-License-Identifier: MIT
//
// Declarative control tables. Each window's fixed geometry is written once, as
// a table of ControlRow rows in twips (1/1440 inch), and built into controls
// by each front end, scaled by the screen's DPI (layout.h): BuildControls in
// ui/qt/form_builder.h, Controls in ui/win32/controls.h. A table lists its
// rows in reading order, which is the order a screen reader walks them in,
// and each row's parent before the row.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace quorvel::ui {

// Twips in one inch; at 96 DPI one pixel is 15 twips.
inline constexpr int kTwipsPerInch = 1440;

enum class ControlKind {
  Label,    // a caption, wrapped at blanks within its width; takes no focus
  TextBox,  // single-line text input
  Button,   // command button
  Frame,    // group box with its caption in the top border
  Picture,  // picture box showing the application icon
  Line,     // a straight horizontal line; takes no focus
};

enum class Align { Left, Right };
enum class Border { None, Single, Sunken };

struct FontStyle {
  double points = 8.25;
  bool bold = false;
  bool underline = false;
};

// Colours in 0x00BBGGRR form; a value with the top bit set, 0x800000nn, names
// the window system's colour number nn.
inline constexpr std::uint32_t kDefaultColour = 0xFFFFFFFF;
constexpr std::uint32_t SystemColour(std::uint32_t number) {
  return 0x80000000u | number;
}

// One control. For a Line, left/top is where it starts, width its length and
// height its pen width (15 twips per pixel at 96 DPI).
struct ControlRow {
  std::string_view name{};
  ControlKind kind = ControlKind::Label;
  std::string_view parent{};  // empty: the window's client area
  std::string_view caption{};
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int tabIndex = 0;
  FontStyle font{};
  Align align = Align::Left;
  Border border = Border::None;
  std::uint32_t backColour = kDefaultColour;
  std::uint32_t foreColour = kDefaultColour;
  bool isDefault = false;  // Enter presses it
  // Its text reads left to right in a mirrored window too, where numbers
  // and addresses would otherwise be turned about ("-8" as "8-"); text boxes
  // always do.
  bool leftToRight = false;
  // The room a label may grow into, as a width and a height in twips from
  // its left and top edges: where its caption does not fit its box, the box
  // grows into it (caption_fit.h). Zero: the box is all it has.
  int roomWidth = 0;
  int roomHeight = 0;
  std::string_view names{};  // a caption: the control it names to a screen reader
  // What a screen reader says: the name of a control that no caption names,
  // and what it adds after a control's name.
  std::string_view accessibleName{};
  std::string_view description{};
};

// A window: its caption and the size of its client area in twips.
struct WindowLayout {
  std::string_view caption;
  int clientWidth;
  int clientHeight;
};

// A place on the screen in twips, from its top-left corner.
struct ScreenPlace {
  int left = 0;
  int top = 0;
};

}  // namespace quorvel::ui
