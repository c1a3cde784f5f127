// SPDX-License-Identifier: MIT
#include "ui/layout.h"

#include <algorithm>
#include <cmath>

namespace quorvel::ui {

int TwipsToPixels(int twips, double dpi) {
  return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

namespace {

PixelRect Scale(int left, int top, int width, int height, double dpi) {
  int x = TwipsToPixels(left, dpi);
  int y = TwipsToPixels(top, dpi);
  return {x, y, TwipsToPixels(left + width, dpi) - x, TwipsToPixels(top + height, dpi) - y};
}

}  // namespace

PixelRect ToPixels(const ControlRow& row, double dpi) {
  return Scale(row.left, row.top, row.width, row.height, dpi);
}

PixelRect ToClientPixels(std::span<const ControlRow> table, const ControlRow& row, double dpi) {
  int left = row.left;
  int top = row.top;
  for (const ControlRow* parent = FindRow(table, row.parent); parent != nullptr;
       parent = FindRow(table, parent->parent)) {
    left += parent->left;
    top += parent->top;
  }
  return Scale(left, top, row.width, row.height, dpi);
}

PixelRect Mirror(const PixelRect& rect, int parentWidth) {
  return {parentWidth - rect.left - rect.width, rect.top, rect.width, rect.height};
}

PixelRect ToPixels(std::span<const ControlRow> table, const ControlRow& row,
                   const WindowLayout& window, double dpi, Direction direction) {
  PixelRect rect = ToPixels(row, dpi);
  if (direction == Direction::LeftToRight)
    return rect;
  const ControlRow* parent = FindRow(table, row.parent);
  return Mirror(rect,
                parent ? ToPixels(*parent, dpi).width : TwipsToPixels(window.clientWidth, dpi));
}

PixelRect ToClientPixels(std::span<const ControlRow> table, const ControlRow& row,
                         const WindowLayout& window, double dpi, Direction direction) {
  PixelRect rect = ToClientPixels(table, row, dpi);
  if (direction == Direction::LeftToRight)
    return rect;
  return Mirror(rect, TwipsToPixels(window.clientWidth, dpi));
}

Align VisualAlign(const ControlRow& row, Direction direction) {
  if (direction == Direction::LeftToRight)
    return row.align;
  return row.align == Align::Left ? Align::Right : Align::Left;
}

const ControlRow* FindRow(std::span<const ControlRow> table, std::string_view name) {
  if (name.empty())
    return nullptr;
  auto found = std::ranges::find(table, name, &ControlRow::name);
  return found == table.end() ? nullptr : &*found;
}

PixelRect ClientPixels(const WindowLayout& window, double dpi) {
  return {0, 0, TwipsToPixels(window.clientWidth, dpi), TwipsToPixels(window.clientHeight, dpi)};
}

PixelRect ClientPixels(const WindowLayout& window, const ScreenPlace& place, double dpi) {
  PixelRect client = ClientPixels(window, dpi);
  client.left = TwipsToPixels(place.left, dpi);
  client.top = TwipsToPixels(place.top, dpi);
  return client;
}

int FontPixels(double points, double dpi) {
  return static_cast<int>(std::lround(points * dpi / 72.0));
}

bool TakesFocus(ControlKind kind) {
  return kind == ControlKind::TextBox || kind == ControlKind::Button ||
         kind == ControlKind::Picture;
}

std::vector<const ControlRow*> TabOrder(std::span<const ControlRow> table) {
  std::vector<const ControlRow*> focusable;
  for (const ControlRow& row : table) {
    if (TakesFocus(row.kind))
      focusable.push_back(&row);
  }
  std::ranges::stable_sort(focusable, {}, &ControlRow::tabIndex);
  return focusable;
}

std::vector<CaptionBeneath> CaptionsBeneath(std::span<const ControlRow> table) {
  auto overlap = [](const ControlRow& a, const ControlRow& b) {
    return a.parent == b.parent && a.left < b.left + b.width && b.left < a.left + a.width &&
           a.top < b.top + b.height && b.top < a.top + a.height;
  };
  std::vector<CaptionBeneath> pairs;
  for (const ControlRow& caption : table) {
    if (caption.kind != ControlKind::Label)
      continue;
    for (const ControlRow& control : table) {
      if (TakesFocus(control.kind) && overlap(caption, control))
        pairs.push_back({&caption, &control});
    }
  }
  return pairs;
}

}  // namespace quorvel::ui
