// SPDX-License-Identifier: MIT
// The About window's fixed layout.
#pragma once

#include <array>

#include "app/translation.h"
#include "ui/control_table.h"

namespace quorvel::ui {

// The caption is set when the window loads.
inline constexpr WindowLayout kAboutWindow{
    .caption = "", .clientWidth = 5340, .clientHeight = 2910};

// Where the top-left corner of the client area is placed on the screen, each
// time the window loads.
inline constexpr ScreenPlace kAboutPlace{.left = 2340, .top = 1935};

inline constexpr std::string_view kAboutDescription = Mark(
    "This application calculates the hyperfocal distance for your lens, based on the lens' focal "
    "distance and your aperature (f/) opening.");
inline constexpr std::string_view kNotice = Mark("\u00A9 2026 Quorvel developers");
inline constexpr std::string_view kWebAddress = "www.quorvel.example";

inline constexpr std::uint32_t kBlue = 0x00FF0000;
inline constexpr std::uint32_t kGrey = 0x00808080;
inline constexpr std::uint32_t kWhite = 0x00FFFFFF;

inline constexpr std::array kAboutControls{
    ControlRow{.name = "picIcon",
               .kind = ControlKind::Picture,
               .left = 240,
               .top = 240,
               .width = 540,
               .height = 540,
               .tabIndex = 1,
               .border = Border::Sunken,
               .accessibleName = Mark("Quorvel icon")},
    ControlRow{.name = "lblTitle",
               .kind = ControlKind::Label,
               .left = 1050,
               .top = 240,
               .width = 3885,
               .height = 480,
               .tabIndex = 4},
    ControlRow{.name = "lblVersion",
               .kind = ControlKind::Label,
               .left = 1050,
               .top = 780,
               .width = 3885,
               .height = 225,
               .tabIndex = 5},
    ControlRow{.name = "lblDescription",
               .kind = ControlKind::Label,
               .caption = kAboutDescription,
               .left = 1050,
               .top = 1125,
               .width = 3885,
               .height = 810,
               .tabIndex = 2},
    ControlRow{.name = "lblDisclaimer",
               .kind = ControlKind::Label,
               .caption = kNotice,
               .left = 615,
               .top = 2265,
               .width = 2070,
               .height = 300,
               .tabIndex = 3,
               .align = Align::Right},
    ControlRow{.name = "Label1",
               .kind = ControlKind::Label,
               .caption = kWebAddress,
               .left = 960,
               .top = 2520,
               .width = 1695,
               .height = 255,
               .tabIndex = 6,
               .font = {.underline = true},
               .align = Align::Right,
               .foreColour = kBlue,
               .leftToRight = true},
    // The default button; Esc closes the window as OK does, through the
    // window's own cancel key.
    ControlRow{.name = "cmdOK",
               .kind = ControlKind::Button,
               .caption = Mark("OK"),
               .left = 3840,
               .top = 2280,
               .width = 1260,
               .height = 345,
               .tabIndex = 0,
               .isDefault = true},
    // The etched separator: the white line, then the grey one drawn over its
    // top row.
    ControlRow{.name = "Line1(0)",
               .kind = ControlKind::Line,
               .left = 120,
               .top = 2160,
               .width = 5040,
               .height = 30,
               .foreColour = kWhite},
    ControlRow{.name = "Line1(1)",
               .kind = ControlKind::Line,
               .left = 90,
               .top = 2160,
               .width = 5070,
               .height = 15,
               .foreColour = kGrey},
};

}  // namespace quorvel::ui
