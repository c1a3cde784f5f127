// SPDX-License-Identifier: MIT
//
// Turns the control tables (control_table.h) into what a window system needs,
// the same way for every front end: pixel rectangles at the screen's DPI,
// font heights, the tab order and the stacking of the controls.
#pragma once

#include <span>
#include <vector>

#include "ui/control_table.h"

namespace quorvel::ui {

struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Pixels for a length in twips at `dpi`: twips / 15 at 96 DPI.
int TwipsToPixels(int twips, double dpi);

// A control's rectangle relative to its parent (the frame it sits in, or the
// client area). Right and bottom edges are scaled too, so that neighbours
// stay flush at every DPI.
PixelRect ToPixels(const ControlRow& row, double dpi);

// A control's rectangle relative to the window's client area, for window
// systems where a frame holds no controls of its own: a frame's children are
// moved by the frame's position.
PixelRect ToClientPixels(std::span<const ControlRow> table, const ControlRow& row, double dpi);

// The way a window reads. Right to left (Arabic, Hebrew) the window is the
// mirror image of its table: each control's left edge is its parent's width
// less the table's left edge and width; tops, sizes, the tab order and the
// reading order stay as the table has them.
enum class Direction { LeftToRight, RightToLeft };

// `rect` mirrored in a parent `parentWidth` wide: its right edge becomes its
// left one.
PixelRect Mirror(const PixelRect& rect, int parentWidth);

// ToPixels and ToClientPixels for a window of `window` that reads in
// `direction`: right to left, mirrored in the parent (the frame, or the
// client area). Mirrored after scaling, so that flush edges stay flush.
PixelRect ToPixels(std::span<const ControlRow> table, const ControlRow& row,
                   const WindowLayout& window, double dpi, Direction direction);
PixelRect ToClientPixels(std::span<const ControlRow> table, const ControlRow& row,
                         const WindowLayout& window, double dpi, Direction direction);

// Where a caption's text stands in its box as the eye sees it, in a window
// that reads in `direction`: mirrored with the window, right to left.
Align VisualAlign(const ControlRow& row, Direction direction);

// The row named `name`, or nullptr.
const ControlRow* FindRow(std::span<const ControlRow> table, std::string_view name);

PixelRect ClientPixels(const WindowLayout& window, double dpi);

// A window's client area in pixels, with its top-left corner at `place` on
// the screen.
PixelRect ClientPixels(const WindowLayout& window, const ScreenPlace& place, double dpi);

// The height in pixels of a font of `points` at `dpi`.
int FontPixels(double points, double dpi);

// Whether a control of this kind takes the focus: boxes, buttons and the
// picture box do; labels, frames and lines do not.
bool TakesFocus(ControlKind kind);

// The controls that take the focus, in the order of their tab index.
std::vector<const ControlRow*> TabOrder(std::span<const ControlRow> table);

// A caption and a control that takes the focus, in one parent, that overlap:
// the caption must lie beneath the control, which a front end that stacks
// controls in reading order (the tables' order) does not give by itself.
struct CaptionBeneath {
  const ControlRow* caption;
  const ControlRow* control;
};
std::vector<CaptionBeneath> CaptionsBeneath(std::span<const ControlRow> table);

}  // namespace quorvel::ui
