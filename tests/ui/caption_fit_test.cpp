// SPDX-License-Identifier: MIT
#include "ui/caption_fit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

#include "ui/form1_table.h"
#include "ui/layout.h"

namespace quorvel::ui {

void PrintTo(const CaptionShape& shape, std::ostream* out) {
  *out << "{extent " << static_cast<int>(shape.extent) << ", " << shape.points << " pt, "
       << shape.stretch << " %}";
}

namespace {

const ControlRow& Result() {
  return *FindRow(kForm1Controls, "iHyper");
}

TEST(CaptionLayOutTest, AResultBreaksOnlyBeforeItsUnitAndOnlyInTheWholeRoom) {
  const ControlRow& prompt = *FindRow(kForm1Controls, "Label1");
  const struct {
    const ControlRow& row;
    const char* caption;
    Extent extent;
    CaptionLines expected;
  } cases[] = {
      {Result(), " 3.42 ft.", Extent::Box, {" 3.42 ft.", 1}},
      {Result(), " 1.09367E+298 ft.", Extent::Wide, {" 1.09367E+298 ft.", 1}},
      {Result(), " 1.09367E+298 ft.", Extent::Room, {" 1.09367E+298\nft.", 2}},
      {Result(), "-1093666666666.67 ft.", Extent::Room, {"-1093666666666.67\nft.", 2}},
      // Laid out before: the line break is the blank it stands for.
      {Result(), " 1.09367E+298\nft.", Extent::Room, {" 1.09367E+298\nft.", 2}},
      {Result(), " 1.09367E+298\nft.", Extent::Box, {" 1.09367E+298 ft.", 1}},
      // The sign column's blank is no place to break.
      {Result(), " 123456789012345", Extent::Room, {" 123456789012345", 1}},
      {Result(), "", Extent::Room, {"", 1}},
      // A caption without room wraps as the window system wraps it.
      {prompt, "Enter your focal length: ", Extent::Room, {"Enter your focal length: ", 0}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LayOut(c.row, c.caption, c.extent), c.expected)
        << c.caption << " in extent " << static_cast<int>(c.extent);
  }
}

TEST(CaptionLayOutTest, OnlyARowWithRoomGrows) {
  const ControlRow& result = Result();
  ControlRow wide = InExtent(result, Extent::Wide);
  ControlRow room = InExtent(result, Extent::Room);
  EXPECT_EQ(InExtent(result, Extent::Box).width, result.width);
  EXPECT_EQ((std::pair{wide.left, wide.top}), (std::pair{result.left, result.top}));
  EXPECT_EQ((std::pair{wide.width, wide.height}), (std::pair{result.roomWidth, result.height}));
  EXPECT_EQ((std::pair{room.width, room.height}), (std::pair{result.roomWidth, result.roomHeight}));
  const ControlRow& prompt = *FindRow(kForm1Controls, "Label1");
  EXPECT_EQ(InExtent(prompt, Extent::Room).width, prompt.width);
  EXPECT_EQ(InExtent(prompt, Extent::Room).height, prompt.height);
}

// The result's room lies inside its frame, clear of the frame's line and of
// every other control in it, at every DPI and mirrored too.
TEST(CaptionLayOutTest, TheResultsRoomIsInsideItsFrameAndFreeAtEveryDpi) {
  const ControlRow room = InExtent(Result(), Extent::Room);
  const ControlRow& frame = *FindRow(kForm1Controls, "Frame1");
  for (Direction direction : {Direction::LeftToRight, Direction::RightToLeft}) {
    for (double dpi : {96.0, 120.0, 144.0, 168.0, 192.0}) {
      PixelRect grown = ToPixels(kForm1Controls, room, kForm1Window, dpi, direction);
      PixelRect inside = ToPixels(frame, dpi);
      int line = TwipsToPixels(30, dpi);  // the frame's line, two pixels at 96 DPI
      EXPECT_GT(grown.left, line) << dpi;
      EXPECT_LT(grown.left + grown.width, inside.width - line) << dpi;
      EXPECT_LT(grown.top + grown.height, inside.height - line) << dpi;
      for (const ControlRow& other : kForm1Controls) {
        if (other.parent != "Frame1" || other.name == "iHyper")
          continue;
        PixelRect r = ToPixels(kForm1Controls, other, kForm1Window, dpi, direction);
        bool apart = r.left >= grown.left + grown.width || grown.left >= r.left + r.width ||
                     r.top >= grown.top + grown.height || grown.top >= r.top + r.height;
        EXPECT_TRUE(apart) << other.name << " at " << dpi;
      }
    }
  }
}

// A pretend window system with a fixed-width face: a character is 0.6 em
// wide (12 twips a point, less when narrower), a line 1.2 em tall; the
// caption fits where each of its lines is as wide as the box at most and
// its lines are as tall.
bool FitsInPretendFace(const ControlRow& row, const std::string& caption,
                       const CaptionShape& shape) {
  CaptionLines laidOut = LayOut(row, caption, shape.extent);
  ControlRow box = InExtent(row, shape.extent);
  int lines = 1;
  std::size_t widest = 0;
  for (std::size_t start = 0;;) {
    std::size_t end = std::min(laidOut.text.find('\n', start), laidOut.text.size());
    widest = std::max(widest, end - start);
    if (end == laidOut.text.size())
      break;
    ++lines;
    start = end + 1;
  }
  double width = static_cast<double>(widest) * shape.points * 12 * shape.stretch / 100;
  double height = lines * shape.points * 24;
  return width <= box.width && height <= box.height;
}

TEST(FitCaptionTest, SmallerInTheBoxThenGrownAtItsSizeThenNarrower) {
  ControlRow prompt = *FindRow(kForm1Controls, "Label1");  // 2175 twips, 9.75 pt, no room
  const struct {
    const ControlRow& row;
    std::string caption;
    CaptionShape expected;
  } cases[] = {
      // Eleven characters at 9.75 points fill the result's box.
      {Result(), " 3.42 ft.", {Extent::Box, 9.75, 100}},
      {Result(), " 10936.67 ft.", {Extent::Box, 8.5, 100}},
      // At 8 points its box is too small: the whole room at 9.75 points.
      {Result(), " 1093666.67 ft.", {Extent::Room, 9.75, 100}},
      {Result(), " 109366666.67 ft.", {Extent::Room, 9.5, 100}},
      // The room's width on one line before two lines at the same size.
      {Result(), "12345678901234", {Extent::Wide, 9.0, 100}},
      // At 8 points in the whole room, narrower.
      {Result(), " 109366666666667 ft.", {Extent::Room, 8.0, 95}},
      {Result(), "-1093666666666.67 ft.", {Extent::Room, 8.0, 90}},
      // Nothing fits: the last one tried.
      {Result(), std::string(40, '9'), {Extent::Room, 8.0, 70}},
      // Without room, smaller and then narrower in the box.
      {prompt, std::string(20, 'x'), {Extent::Box, 9.0, 100}},
      {prompt, std::string(25, 'x'), {Extent::Box, 8.0, 90}},
  };
  for (const auto& c : cases) {
    CaptionShape shape = FitCaption(
        c.row, [&](const CaptionShape& s) { return FitsInPretendFace(c.row, c.caption, s); });
    EXPECT_EQ(shape, c.expected) << '"' << c.caption << '"';
  }
}

}  // namespace
}  // namespace quorvel::ui
