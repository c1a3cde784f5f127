// SPDX-License-Identifier: MIT
// Builds widgets from a control table (control_table.h).
#pragma once

#include <QFont>
#include <QHash>
#include <QRect>
#include <QString>
#include <QWidget>
#include <span>
#include <string_view>

#include "ui/control_table.h"

namespace quorvel::ui {

// Pixels for a length in twips at the given DPI: twips / 15 at 96 DPI.
int TwipsToPixels(int twips, double dpi);

// A control's rectangle in pixels, relative to its parent.
QRect PixelRect(const ControlRow& row, double dpi);

// The window's font in `style`: the classic face where it is installed, the
// nearest sans-serif otherwise.
QFont MakeFont(const FontStyle& style);

// The widgets of one window, by the names of their table rows.
class Controls {
 public:
  // The widget named `name`; nullptr if the table has no such row.
  QWidget* operator[](std::string_view name) const;

  // The widget named `name` as a T; nullptr if absent or of another kind.
  template <typename T>
  T* get(std::string_view name) const {
    return qobject_cast<T*>((*this)[name]);
  }

 private:
  friend Controls BuildControls(QWidget*, std::span<const ControlRow>, double);
  QHash<QString, QWidget*> byName_;
};

// Creates every control of `table` inside `client`, placed and scaled for
// `dpi`, with its caption, font, alignment, border and colours, and chains the
// focus through the focusable controls in the order of their tab index.
// Controls that take no focus lie beneath those that do, as in the classic
// window system. Rows must list a parent before its children.
Controls BuildControls(QWidget* client, std::span<const ControlRow> table, double dpi);

}  // namespace quorvel::ui
