// SPDX-License-Identifier: MIT
#include "ui/colours.h"

#include <gtest/gtest.h>

#include "ui/about_table.h"
#include "ui/form1_table.h"
#include "ui/layout.h"

namespace quorvel::ui {
namespace {

TEST(ColoursTest, ContrastAsTheAccessibilityGuidelinesMeasureIt) {
  const struct {
    Rgb a, b;
    double ratio;
  } cases[] = {
      {{0, 0, 0}, {255, 255, 255}, 21.0},
      {{255, 255, 255}, {0, 0, 0}, 21.0},
      {{42, 46, 50}, {42, 46, 50}, 1.0},
      {{0, 0, 255}, {255, 255, 255}, 8.59},      // the web address on white
      {{0, 0, 255}, {42, 46, 50}, 1.59},         // and on a dark window
      {{118, 118, 118}, {255, 255, 255}, 4.54},  // the darkest grey that reads on white
  };
  for (const auto& c : cases)
    EXPECT_NEAR(ContrastRatio(c.a, c.b), c.ratio, 0.01) << int{c.a.blue} << " on " << int{c.b.blue};
}

// A desktop's colours; `highlightText` is system colour 14, the result's
// background.
SystemColours Desktop(Rgb window, Rgb text, Rgb link, Rgb light, Rgb dark, Rgb highlightText,
                      bool highContrast = false) {
  return SystemColours{.window = window,
                       .windowText = text,
                       .fieldText = text,
                       .link = link,
                       .light = light,
                       .dark = dark,
                       .highlightText = highlightText,
                       .highContrast = highContrast};
}

constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255}, kBlue{0, 0, 255}, kGrey{128, 128, 128};

TEST(ColoursTest, EachControlReadsOnItsBackgroundAndTheSeparatorStaysEtched) {
  SystemColours light =
      Desktop({240, 240, 240}, {20, 20, 20}, {0, 102, 204}, kWhite, {160, 160, 160}, kWhite);
  light.fieldText = kBlack;  // as Win32's window text differs from its button text
  const SystemColours dark = Desktop({42, 46, 50}, {252, 252, 252}, {61, 174, 233}, {73, 81, 88},
                                     {27, 30, 32}, {252, 252, 252});
  // Its link colour reads on its window no better than the blue.
  const SystemColours darkPoorLink =
      Desktop({42, 46, 50}, {252, 252, 252}, {0, 0, 160}, {73, 81, 88}, {27, 30, 32}, kWhite);
  // Text, window and the result's box all in near shades.
  const SystemColours murky = Desktop({120, 120, 120}, {100, 100, 100}, {110, 110, 110},
                                      {140, 140, 140}, {90, 90, 90}, {200, 200, 200});
  const SystemColours contrastBlack =
      Desktop(kBlack, kWhite, {255, 255, 0}, kWhite, kWhite, kBlack, true);
  const SystemColours contrastWhite =
      Desktop(kWhite, kBlack, {0, 0, 159}, kBlack, kBlack, kWhite, true);
  // A contrast theme whose link colour does not read on its window.
  const SystemColours contrastPoorLink =
      Desktop(kBlack, kWhite, {0, 0, 100}, kWhite, kWhite, kBlack, true);

  const ControlRow& prompt = *FindRow(kForm1Controls, "Label1");
  const ControlRow& result = *FindRow(kForm1Controls, "iHyper");
  const ControlRow& web = *FindRow(kAboutControls, "Label1");
  const ControlRow& whiteLine = *FindRow(kAboutControls, "Line1(0)");
  const ControlRow& greyLine = *FindRow(kAboutControls, "Line1(1)");
  const struct {
    const char* what;
    const ControlRow& row;
    const SystemColours& system;
    Rgb fore, back;
  } cases[] = {
      {"a prompt: the desktop's text on its window", prompt, light, {20, 20, 20}, {240, 240, 240}},
      {"a prompt on a dark desktop", prompt, dark, {252, 252, 252}, {42, 46, 50}},
      {"a prompt where the desktop's text does not read: black",
       prompt,
       murky,
       kBlack,
       {120, 120, 120}},
      {"the result: its box in system colour 14", result, light, kBlack, kWhite},
      {"the result's light box on a dark desktop keeps dark text",
       result,
       dark,
       kBlack,
       {252, 252, 252}},
      {"the result's box in a contrast theme", result, contrastBlack, kWhite, kBlack},
      {"the web address in its own blue where that reads", web, light, kBlue, {240, 240, 240}},
      {"else in the desktop's link colour", web, dark, {61, 174, 233}, {42, 46, 50}},
      {"else white on a dark window", web, darkPoorLink, kWhite, {42, 46, 50}},
      {"in a contrast theme the link colour, though the blue reads",
       web,
       contrastWhite,
       {0, 0, 159},
       kWhite},
      {"in a contrast theme whose link does not read, its text", web, contrastPoorLink, kWhite,
       kBlack},
      {"the separator's white line on a light window", whiteLine, light, kWhite, {240, 240, 240}},
      {"and its grey line", greyLine, light, kGrey, {240, 240, 240}},
      {"on a dark window the light shade", whiteLine, dark, {73, 81, 88}, {42, 46, 50}},
      {"and the dark shade", greyLine, dark, {27, 30, 32}, {42, 46, 50}},
      {"in a light contrast theme the shades too", whiteLine, contrastWhite, kBlack, kWhite},
      {"both of them", greyLine, contrastWhite, kBlack, kWhite},
  };
  for (const auto& c : cases) {
    Colours colours = ColoursOf(c.row, c.system);
    EXPECT_EQ(colours.fore, c.fore) << c.what;
    EXPECT_EQ(colours.back, c.back) << c.what;
  }
}

}  // namespace
}  // namespace quorvel::ui
