// SPDX-License-Identifier: MIT
//
// The numbers by which the Win32 windows' controls, menu items and icon are
// known, published for the end-to-end tests, which find controls with
// GetDlgItem and choose the About item by posting its command.
#pragma once

#include <cstddef>

namespace quorvel::ui::win32 {

// A control's id is this plus its row's position in its window's table.
inline constexpr int kFirstControlId = 100;
constexpr int ControlId(std::size_t row) {
  return kFirstControlId + static_cast<int>(row);
}

inline constexpr int kHelpCommand = 40001;
inline constexpr int kContactCommand = 40002;

// The window classes, for FindWindowW.
inline constexpr const wchar_t* kForm1Class = L"QuorvelForm1";
inline constexpr const wchar_t* kAboutClass = L"QuorvelAbout";

}  // namespace quorvel::ui::win32
