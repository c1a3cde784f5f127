// SPDX-License-Identifier: MIT
//
// Builds a window's child controls from its control table with the standard
// Win32 controls, and lays them out again when the DPI changes:
//
//   Label    STATIC, without prefix characters, aligned as the table says;
//            a single border is WS_BORDER, a dark line on all four sides
//   TextBox  EDIT, single line, sunken, no length limit
//   Button   BUTTON, the default one BS_DEFPUSHBUTTON
//   Frame    BUTTON BS_GROUPBOX, beneath the controls it holds, which are
//            placed by the frame's position (a group box holds no children)
//   Picture  STATIC SS_ICON, sunken, the application icon at the DPI's size
//   Line     painted by the window (PaintLines), not a control
//
// Each control's id is ControlId(row) (ids.h). They are created in the
// stacking order of the layout, which begins with the focusable controls in
// the order of their tab index: the dialog keys' Tab follows that order.
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
  // Creates the controls of `table` in `parent`, laid out for `dpi`.
  Controls(HWND parent, std::span<const ControlRow> table, UINT dpi);
  ~Controls();
  Controls(const Controls&) = delete;
  Controls& operator=(const Controls&) = delete;

  HWND operator[](std::string_view name) const;

  // Places every control and gives it its font for `dpi`.
  void Layout(UINT dpi);

  // Paints the table's lines, a later one over an earlier one.
  void PaintLines(HDC dc) const;

  // Answers WM_CTLCOLORSTATIC for `control`: its colours from the table, the
  // window's background colour for the rest.
  HBRUSH ColourStatic(HWND control, HDC dc) const;

  // The font of the window's default style at the current DPI.
  HFONT DefaultFont() const;

 private:
  using FontKey = std::tuple<double, bool, bool>;
  HFONT Font(const FontStyle& style);

  HWND parent_;
  std::span<const ControlRow> table_;
  std::vector<HWND> windows_;  // by row; none for a line
  std::map<FontKey, HFONT> fonts_;
  HICON picture_ = nullptr;
  UINT dpi_ = 96;
};

}  // namespace quorvel::ui::win32
