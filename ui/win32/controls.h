// SPDX-License-Identifier: MIT
//
// Builds a window's child controls from its control table with the standard
// Win32 controls, and lays them out again when the DPI changes:
//
//   Label    STATIC, without prefix characters, aligned as the table says;
//            a single border is WS_BORDER, a dark line on all four sides
//   TextBox  EDIT, single line, sunken, no length limit
//   Button   BUTTON, the default one BS_DEFPUSHBUTTON
//   Frame    BUTTON BS_GROUPBOX; the controls it holds are its siblings,
//            after it, placed by the frame's position (a group box holds no
//            children, draws only its border and caption, and lets clicks
//            through)
//   Picture  STATIC SS_ICON, sunken, the application icon at the DPI's size,
//            with a procedure of its own over it that shows the focus
//   Line     painted by the window (PaintLines), not a control
//
// Captions are in the user's language. A window whose texts read right to
// left is the table's mirror image: each control placed mirrored, each
// caption aligned mirrored and read right to left; the text boxes and the
// rows kept left to right (ControlRow::leftToRight) read left to right, and
// the icon is not turned about.
//
// Each control's id is ControlId(row) (ids.h). They are created in the
// table's reading order, each one beneath those before it, so the z-order
// from the top is the reading order: screen readers walk the controls in it,
// and the dialog keys' Tab goes through the focusable ones in it. A caption
// that overlaps a control is moved right beneath it.
#pragma once

#include <windows.h>

#include <map>
#include <span>
#include <string_view>
#include <tuple>
#include <vector>

#include "ui/layout.h"

namespace quorvel::ui::win32 {

class Controls {
 public:
  // Creates the controls of `table` in `parent`, a window of `window`, laid
  // out for `dpi`.
  Controls(HWND parent, std::span<const ControlRow> table, const WindowLayout& window, UINT dpi);
  ~Controls();
  Controls(const Controls&) = delete;
  Controls& operator=(const Controls&) = delete;

  HWND operator[](std::string_view name) const;

  // Places every control and gives it its font for `dpi`.
  void Layout(UINT dpi);

  // Paints the table's lines, a later one over an earlier one.
  void PaintLines(HDC dc) const;

  // Answers WM_CTLCOLORSTATIC for `control`: its colours (colours.h).
  HBRUSH ColourStatic(HWND control, HDC dc) const;

  // The font of the window's default style at the current DPI.
  HFONT DefaultFont() const;

  // Gives `control`, a caption or a button, the font, and where its row
  // has room the box and the lines, in which its text is whole, as FitCaption
  // (ui/caption_fit.h) decides from what the control measures: a
  // translation, a face wider than the classic one or a long result is never
  // cut. Called again when its text changes.
  void FitCaption(HWND control);

 private:
  // Points, bold, underline, and the width in percent of the face's own.
  using FontKey = std::tuple<double, bool, bool, int>;
  HFONT Font(const FontStyle& style, int stretch = 100);
  // Whether the text of `control` is whole in `font`, in no more than
  // `lines` lines unless that is 0.
  bool Fits(HWND control, const ControlRow& row, HFONT font, int lines) const;

  HWND parent_;
  std::span<const ControlRow> table_;
  WindowLayout window_;
  Direction direction_;
  std::vector<HWND> windows_;  // by row; none for a line
  std::map<FontKey, HFONT> fonts_;
  HICON picture_ = nullptr;
  UINT dpi_ = 96;
};

}  // namespace quorvel::ui::win32
