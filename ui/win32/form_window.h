// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "ui/win32/accessibility.h"
#include "ui/win32/controls.h"
#include "ui/win32/window.h"

namespace quorvel::ui::win32 {

// A top-level window of controls built from a control table, as both of the
// program's windows are. It keeps its focused control across activations as
// a dialog does, colours its captions, paints its lines, gives screen readers
// the names its captions give, and lays itself out again when its DPI changes.
class FormWindow : public Window {
 protected:
  // Builds the controls of `table`, a window of `window`, at the window's
  // DPI, each caption naming the control its row names; the focus is to
  // start on the control named `first`.
  void BuildControls(std::span<const ControlRow> table, const WindowLayout& window,
                     std::string_view first);
  HWND control(std::string_view name) const { return (*controls_)[name]; }
  // Fits the font of `control` to the text it was given (Controls::FitCaption).
  void FitCaption(HWND control) { controls_->FitCaption(control); }
  // The names screen readers announce for the controls.
  AccessibleNames& names() { return names_; }
  // Puts the focus on `target` now, and whenever the window is active again.
  void Focus(HWND target);

  // Handles what every such window handles; nothing for other messages.
  std::optional<LRESULT> HandleForm(UINT message, WPARAM wParam, LPARAM lParam);
  // After the controls are laid out again for a new DPI.
  virtual void DpiChanged(UINT) {}

 private:
  std::unique_ptr<Controls> controls_;
  HWND focus_ = nullptr;
  AccessibleNames names_;
};

}  // namespace quorvel::ui::win32
