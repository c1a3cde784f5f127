// SPDX-License-Identifier: MIT
#include "ui/caption_fit.h"

#include <algorithm>
#include <vector>

namespace quorvel::ui {
namespace {

bool HasRoom(const ControlRow& row) {
  return row.roomWidth > row.width || row.roomHeight > row.height;
}

// The row's size, then a quarter point less each time, down to 8 points.
std::vector<double> Sizes(const ControlRow& row) {
  std::vector<double> sizes{row.font.points};
  while (sizes.back() > kSmallestPoints)
    sizes.push_back(std::max(kSmallestPoints, sizes.back() - 0.25));
  return sizes;
}

}  // namespace

ControlRow InExtent(const ControlRow& row, Extent extent) {
  ControlRow grown = row;
  if (extent != Extent::Box && HasRoom(row)) {
    grown.width = std::max(row.width, row.roomWidth);
    if (extent == Extent::Room)
      grown.height = std::max(row.height, row.roomHeight);
  }
  return grown;
}

CaptionLines LayOut(const ControlRow& row, std::string_view caption, Extent extent) {
  if (!HasRoom(row))
    return {std::string(caption), 0};
  std::string text(caption);
  std::ranges::replace(text, '\n', ' ');
  if (extent != Extent::Room)
    return {text, 1};
  // The last blank after the first character that is none: not the blank
  // a caption may begin with (a result's sign column).
  std::size_t first = text.find_first_not_of(' ');
  std::size_t blank = text.find_last_of(' ');
  if (first == std::string::npos || blank == std::string::npos || blank < first)
    return {text, 1};
  text[blank] = '\n';
  return {text, 2};
}

CaptionShape FitCaption(const ControlRow& row, const CaptionFitsIn& fits) {
  CaptionShape shape;
  auto fitsAs = [&](Extent extent, double points, int stretch) {
    shape = {extent, points, stretch};
    return fits(shape);
  };
  const std::vector<double> sizes = Sizes(row);
  // The box at the row's size or smaller, as every caption.
  for (double points : sizes) {
    if (fitsAs(Extent::Box, points, 100))
      return shape;
  }
  // Grown, at the row's size again: a caption that needs the room is read
  // better large in it than at the smallest size on one line.
  std::vector<Extent> grown{Extent::Box};
  if (HasRoom(row)) {
    grown = {Extent::Wide, Extent::Room};
    for (double points : sizes) {
      for (Extent extent : grown) {
        if (fitsAs(extent, points, 100))
          return shape;
      }
    }
  }
  for (int stretch = 95; stretch >= kNarrowestStretch; stretch -= 5) {
    for (Extent extent : grown) {
      if (fitsAs(extent, sizes.back(), stretch))
        return shape;
    }
  }
  return shape;
}

}  // namespace quorvel::ui
