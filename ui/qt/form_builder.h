// SPDX-License-Identifier: MIT
// Builds Qt widgets from a control table (ui/control_table.h), laid out by
// ui/layout.h.
#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QLabel>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QWidget>
#include <span>
#include <string_view>

#include "ui/colours.h"
#include "ui/layout.h"

namespace quorvel::ui::qt {

inline QRect ToQRect(const PixelRect& rect) {
  return QRect(rect.left, rect.top, rect.width, rect.height);
}

inline Rgb ToRgb(const QColor& colour) {
  return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
          static_cast<std::uint8_t>(colour.blue())};
}

// The window's font in `style`: the classic face where it is installed, the
// nearest sans-serif otherwise.
QFont MakeFont(const FontStyle& style);

// Sets `label`'s font, and where its row has room its box and its lines,
// so that its caption is whole, as FitCaption (ui/caption_fit.h) decides
// from what the label measures. The fixed layout was made for the classic face; where a
// wider one stands in for it (a machine without Liberation Sans), or a
// translation or a result is long, the caption shrinks or its box grows
// rather than lose its end. `row` is the label's row of `table`, a window
// of `window` laid out for `dpi`.
void FitCaption(QLabel* label, std::span<const ControlRow> table, const ControlRow& row,
                const WindowLayout& window, double dpi);

// Whether `label`'s caption, in its font, fits its box whole, as QLabel lays
// it out: within its frame, indent and margin, wrapped if it wraps.
bool CaptionFits(const QLabel* label);

// The widgets of one window, by the names of their table rows. Windows look
// their controls up once, when they are built, and keep them as members.
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
  friend Controls BuildControls(QWidget*, std::span<const ControlRow>, const WindowLayout&, double,
                                const QPixmap&);
  QHash<QString, QWidget*> byName_;
};

// Creates every control of `table`, a window of `window`, inside `client`,
// placed and scaled for `dpi` and mirrored when `client` reads right to left,
// with its caption and accessible texts in the user's language, font,
// alignment, border and colours, and chains the focus through the focusable
// controls in the order of their tab index.
// The controls are made, and so stacked and walked by screen readers, in the
// table's reading order; a caption lies beneath a control it overlaps. A
// picture box shows `picture`.
Controls BuildControls(QWidget* client, std::span<const ControlRow> table,
                       const WindowLayout& window, double dpi, const QPixmap& picture = {});

}  // namespace quorvel::ui::qt
