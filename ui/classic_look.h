// SPDX-License-Identifier: MIT
#pragma once

namespace quorvel::ui {

// Gives the application the classic look its windows are laid out for: 3D
// borders, and a frame whose caption sits in its top border.
void ApplyClassicLook();

}  // namespace quorvel::ui
