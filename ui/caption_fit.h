// SPDX-License-Identifier: MIT
//
// How a caption is fitted to its box, decided here once for every front
// end, which measures and applies: a caption is never cut. Where it does not
// fit its box in its row's font, it is set smaller, in quarter points down to
// 8; a label with room (ControlRow::roomWidth) then grows into it, at its
// font's size again: first as wide as the room, on one line, then as tall
// too, where it breaks at its blanks (a result: its number over "ft.").
// Only what still does not fit at 8 points is set narrower, down to 70 % of
// the face's width.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "ui/control_table.h"

namespace quorvel::ui {

// No caption is set smaller than this, in any language: a translation that
// would need less is written shorter.
inline constexpr double kSmallestPoints = 8.0;
// Nor narrower than this, in percent of the face's width.
inline constexpr int kNarrowestStretch = 70;

// How much of its room a label takes: its row's box, the room's width at the
// box's height, or the whole room.
enum class Extent { Box, Wide, Room };

// One way to show a caption: its extent, and its font's size in points and
// width in percent of the face's own.
struct CaptionShape {
  Extent extent = Extent::Box;
  double points = 8.25;
  int stretch = 100;
  friend bool operator==(const CaptionShape&, const CaptionShape&) = default;
};

// `row` with its box in `extent`; for a row without room, the row as it is.
ControlRow InExtent(const ControlRow& row, Extent extent);

// A caption as it is laid out in an extent: its text, with "\n" where a line
// ends, and the most lines it may take; 0: as many as the front end wraps it
// into at its blanks.
struct CaptionLines {
  std::string text;
  int lines = 0;
  friend bool operator==(const CaptionLines&, const CaptionLines&) = default;
};

// `caption` of `row` laid out in `extent`. A label with room stands on one
// line in its box and in the room's width, and on two in the whole room,
// broken at its last blank (a result: its number over "ft."), never inside
// a number, where a window system would break a word too long for its line.
// `caption` may be such a text already: its line break stands for that
// blank. Any other caption is as it is.
CaptionLines LayOut(const ControlRow& row, std::string_view caption, Extent extent);

// Whether the caption, laid out (LayOut) and set in `shape`, is whole in its
// box in as many lines as it may take.
using CaptionFitsIn = std::function<bool(const CaptionShape&)>;

// The first shape in which `fits` says the caption of `row` is whole, in the
// order of the map above; where there is none, the last one tried: the
// smallest size at 70 %, in the whole room.
CaptionShape FitCaption(const ControlRow& row, const CaptionFitsIn& fits);

}  // namespace quorvel::ui
