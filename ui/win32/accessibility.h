// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string_view>

namespace quorvel::ui::win32 {

// Gives `control` the name a screen reader announces for it, over what the
// control would say itself. Does nothing where the system cannot annotate.
void SetAccessibleName(HWND control, std::string_view name);

}  // namespace quorvel::ui::win32
