// SPDX-License-Identifier: MIT
#include "ui/layout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "ui/about_table.h"
#include "ui/form1_table.h"

namespace quorvel::ui {
namespace {

TEST(LayoutTest, TwipsScaleWithTheScreenDpi) {
  struct Case {
    int twips;
    double dpi;
    int pixels;
  };
  const Case cases[] = {{1440, 96, 96},   {15, 96, 1},      {4335, 96, 289},
                        {4335, 144, 434}, {4335, 192, 578}, {0, 192, 0}};
  for (const auto& c : cases)
    EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " at " << c.dpi;
  EXPECT_EQ(FontPixels(8.25, 96), 11);
  EXPECT_EQ(FontPixels(12, 144), 24);
}

TEST(LayoutTest, FrameChildrenMoveByTheFrameInClientCoordinates) {
  const ControlRow* focal = FindRow(kForm1Controls, "iFocal");
  ASSERT_NE(focal, nullptr);
  EXPECT_EQ(ToPixels(*focal, 96), (PixelRect{184, 32, 65, 19}));
  EXPECT_EQ(ToClientPixels(kForm1Controls, *focal, 96), (PixelRect{216, 72, 65, 19}));
  const ControlRow* exit = FindRow(kForm1Controls, "cBye");
  EXPECT_EQ(ToClientPixels(kForm1Controls, *exit, 96), ToPixels(*exit, 96));
  EXPECT_EQ(FindRow(kForm1Controls, "nothing"), nullptr);
  EXPECT_EQ(ClientPixels(kForm1Window, 96), (PixelRect{0, 0, 330, 234}));
  EXPECT_EQ(ClientPixels(kAboutWindow, kAboutPlace, 96), (PixelRect{156, 129, 356, 194}));
  EXPECT_EQ(ClientPixels(kAboutWindow, kAboutPlace, 144), (PixelRect{234, 194, 534, 291}));
}

TEST(LayoutTest, NeighboursStayFlushAtEveryDpi) {
  // The Exit button's right edge is flush with the frame's.
  const ControlRow* exit = FindRow(kForm1Controls, "cBye");
  const ControlRow* frame = FindRow(kForm1Controls, "Frame1");
  for (double dpi : {96.0, 120.0, 144.0, 168.0, 192.0}) {
    PixelRect a = ToPixels(*exit, dpi);
    PixelRect b = ToPixels(*frame, dpi);
    EXPECT_EQ(a.left + a.width, b.left + b.width) << dpi;
  }
}

TEST(LayoutTest, TabOrderReadingOrderAndOverlaps) {
  auto names = [](const std::vector<const ControlRow*>& rows) {
    std::vector<std::string_view> out;
    for (const ControlRow* row : rows)
      out.push_back(row->name);
    return out;
  };
  using Names = std::vector<std::string_view>;
  EXPECT_EQ(names(TabOrder(kForm1Controls)), (Names{"iFocal", "iAperature", "cCalculate", "cBye"}));
  EXPECT_EQ(names(TabOrder(kAboutControls)), (Names{"cmdOK", "picIcon"}));
  // Win32's Tab goes through the focusable controls in reading order: from
  // the first in tab order on, that must be the tab order.
  for (std::span<const ControlRow> table :
       {std::span<const ControlRow>(kForm1Controls), std::span<const ControlRow>(kAboutControls)}) {
    Names reading;
    for (const ControlRow& row : table) {
      if (TakesFocus(row.kind))
        reading.push_back(row.name);
    }
    Names tab = names(TabOrder(table));
    std::rotate(reading.begin(), std::find(reading.begin(), reading.end(), tab.front()),
                reading.end());
    EXPECT_EQ(reading, tab);
  }
  // The one overlap: the unit's label lies beneath the focal-length box.
  auto beneath = CaptionsBeneath(kForm1Controls);
  ASSERT_EQ(beneath.size(), 1u);
  EXPECT_EQ(beneath[0].caption->name, "Label4");
  EXPECT_EQ(beneath[0].control->name, "iFocal");
  EXPECT_TRUE(CaptionsBeneath(kAboutControls).empty());
}

TEST(LayoutTest, ACaptionIsBeneathOnlyWhatItOverlaps) {
  // A box at 100..150 across and 100..120 down, and a caption beside it:
  // edges that only touch are no overlap, one twip more is.
  const ControlRow box{.name = "box",
                       .kind = ControlKind::TextBox,
                       .left = 100,
                       .top = 100,
                       .width = 50,
                       .height = 20};
  const struct {
    const char* what;
    ControlRow caption;
    bool beneath;
  } cases[] = {
      {"touching its left edge", {.left = 60, .top = 100, .width = 40, .height = 20}, false},
      {"touching its right edge", {.left = 150, .top = 100, .width = 40, .height = 20}, false},
      {"touching its top edge", {.left = 100, .top = 80, .width = 50, .height = 20}, false},
      {"touching its bottom edge", {.left = 100, .top = 120, .width = 50, .height = 20}, false},
      {"one twip over its left edge", {.left = 61, .top = 100, .width = 40, .height = 20}, true},
      {"one twip over its right edge", {.left = 149, .top = 100, .width = 40, .height = 20}, true},
      {"one twip over its top edge", {.left = 100, .top = 81, .width = 50, .height = 20}, true},
      {"one twip over its bottom edge", {.left = 100, .top = 119, .width = 50, .height = 20}, true},
      {"inside it", {.left = 110, .top = 105, .width = 10, .height = 5}, true},
      {"over it, in a frame",
       {.parent = "frame", .left = 100, .top = 100, .width = 50, .height = 20},
       false},
  };
  for (const auto& c : cases) {
    const ControlRow table[] = {box, c.caption};
    EXPECT_EQ(CaptionsBeneath(table).size(), c.beneath ? 1u : 0u) << c.what;
  }
}

}  // namespace
}  // namespace quorvel::ui

namespace quorvel::ui {
namespace {

TEST(MirrorTest, ARightToLeftWindowIsTheMirrorImageOfItsTable) {
  EXPECT_EQ(Mirror({10, 5, 20, 7}, 100), (PixelRect{70, 5, 20, 7}));
  EXPECT_EQ(Mirror({0, 0, 100, 7}, 100), (PixelRect{0, 0, 100, 7}));
  const ControlRow* focal = FindRow(kForm1Controls, "iFocal");
  // Within the frame, 289 pixels wide at 96 DPI, and within the client area.
  EXPECT_EQ(ToPixels(kForm1Controls, *focal, kForm1Window, 96, Direction::RightToLeft),
            (PixelRect{40, 32, 65, 19}));
  EXPECT_EQ(ToClientPixels(kForm1Controls, *focal, kForm1Window, 96, Direction::RightToLeft),
            (PixelRect{49, 72, 65, 19}));
  EXPECT_EQ(ToPixels(kForm1Controls, *focal, kForm1Window, 96, Direction::LeftToRight),
            ToPixels(*focal, 96));
  // Edges flush in the table stay flush mirrored, at every DPI: Exit and the
  // frame at the left, each prompt's right edge against its box.
  const ControlRow* exit = FindRow(kForm1Controls, "cBye");
  const ControlRow* frame = FindRow(kForm1Controls, "Frame1");
  for (double dpi : {96.0, 120.0, 144.0, 168.0, 192.0}) {
    auto place = [&](const ControlRow& row) {
      return ToClientPixels(kForm1Controls, row, kForm1Window, dpi, Direction::RightToLeft);
    };
    EXPECT_EQ(place(*exit).left, place(*frame).left) << dpi;
    PixelRect prompt = place(*FindRow(kForm1Controls, "Label2"));
    PixelRect box = place(*FindRow(kForm1Controls, "iAperature"));
    EXPECT_GE(prompt.left, box.left + box.width) << dpi << ": the prompt stands right of its box";
  }
}

TEST(MirrorTest, CaptionsAreAlignedAsTheMirrorImage) {
  const struct {
    const char* name;
    Align leftToRight;
    Align rightToLeft;
  } cases[] = {{"Label1", Align::Right, Align::Left},
               {"iHyper", Align::Left, Align::Right},
               {"Label3", Align::Left, Align::Right}};
  for (const auto& c : cases) {
    const ControlRow* row = FindRow(kForm1Controls, c.name);
    EXPECT_EQ(VisualAlign(*row, Direction::LeftToRight), c.leftToRight) << c.name;
    EXPECT_EQ(VisualAlign(*row, Direction::RightToLeft), c.rightToLeft) << c.name;
  }
}

}  // namespace
}  // namespace quorvel::ui
