// SPDX-License-Identifier: MIT
// The main window's fixed layout.
#pragma once

#include <array>

#include "app/translation.h"
#include "ui/control_table.h"

namespace quorvel::ui {

inline constexpr WindowLayout kForm1Window{
    .caption = "Morlith", .clientWidth = 4950, .clientHeight = 3510};

inline constexpr FontStyle kPromptFont{.points = 9.75};

// The menu bar's one menu and its two items: "Quorvel He&lp" (F1) does
// nothing, "About" is the About command.
inline constexpr std::string_view kMenuCaption = Mark("&Help");
inline constexpr std::string_view kHelpItemCaption = Mark("Quorvel He&lp");
inline constexpr std::string_view kContactItemCaption = Mark("About");

inline constexpr std::uint32_t kHighlightText = SystemColour(14);

inline constexpr std::array kForm1Controls{
    ControlRow{.name = "Label3",
               .kind = ControlKind::Label,
               .caption = "Morlith",
               .left = 240,
               .top = 120,
               .width = 4335,
               .height = 375,
               .tabIndex = 3,
               .font = {.points = 12, .bold = true}},
    ControlRow{.name = "Frame1",
               .kind = ControlKind::Frame,
               .caption = "Frame1",
               .left = 480,
               .top = 600,
               .width = 4335,
               .height = 2295,
               .tabIndex = 5},
    ControlRow{.name = "Label1",
               .kind = ControlKind::Label,
               .parent = "Frame1",
               .caption = Mark("Enter your focal length: "),
               .left = 480,
               .top = 495,
               .width = 2175,
               .height = 255,
               .tabIndex = 8,
               .font = kPromptFont,
               .align = Align::Right,
               .names = "iFocal"},
    ControlRow{.name = "iFocal",
               .kind = ControlKind::TextBox,
               .parent = "Frame1",
               .left = 2760,
               .top = 480,
               .width = 975,
               .height = 285,
               .tabIndex = 0,
               .description = Mark("millimetres")},
    ControlRow{.name = "Label4",
               .kind = ControlKind::Label,
               .parent = "Frame1",
               .caption = Mark("  mm"),
               .left = 3720,
               .top = 495,
               .width = 495,
               .height = 255,
               .tabIndex = 9},
    ControlRow{.name = "Label2",
               .kind = ControlKind::Label,
               .parent = "Frame1",
               .caption = Mark("Enter your aperature (F/_)"),
               .left = 120,
               .top = 975,
               .width = 2535,
               .height = 255,
               .tabIndex = 7,
               .font = kPromptFont,
               .align = Align::Right,
               .names = "iAperature"},
    ControlRow{.name = "iAperature",
               .kind = ControlKind::TextBox,
               .parent = "Frame1",
               .left = 2760,
               .top = 960,
               .width = 975,
               .height = 285,
               .tabIndex = 1},
    ControlRow{.name = "cCalculate",
               .kind = ControlKind::Button,
               .parent = "Frame1",
               .caption = Mark("&Calculate"),
               .left = 1080,
               .top = 1680,
               .width = 1575,
               .height = 375,
               .tabIndex = 2},
    ControlRow{.name = "iHyper",
               .kind = ControlKind::Label,
               .parent = "Frame1",
               .left = 2760,
               .top = 1680,
               .width = 1335,
               .height = 375,
               .tabIndex = 6,
               .font = {.points = 9.75, .bold = true},
               .border = Border::Single,
               .backColour = kHighlightText,
               .leftToRight = true,
               // A large result may take the frame to 60 twips from its
               // edges, clear of its line at every DPI: two lines, and wide
               // enough for the longest plain number at 8 points in a wide
               // face (DejaVu Sans Condensed at 96 DPI).
               .roomWidth = 4335 - 60 - 2760,
               .roomHeight = 2295 - 60 - 1680},
    ControlRow{.name = "cBye",
               .kind = ControlKind::Button,
               .caption = Mark("E&xit"),
               .left = 3240,
               .top = 3000,
               .width = 1575,
               .height = 375,
               .tabIndex = 4},
};

}  // namespace quorvel::ui
