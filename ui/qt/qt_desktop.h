// SPDX-License-Identifier: MIT
#pragma once

#include "app/desktop.h"

namespace quorvel::ui::qt {

// The window-side services on Qt: modal message boxes, and the end of the
// program through the application's event loop.
class QtDesktop final : public Desktop {
 public:
  void ShowMessageBox(MessageKind kind, std::string_view caption, std::string_view text) override;
  void EndProgram() override;
};

}  // namespace quorvel::ui::qt
