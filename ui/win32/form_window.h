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

// What a form's controls use as long as they exist: their fonts and icon
// (kept by Controls) and the names screen readers are given for them.
class FormParts {
 protected:
  std::unique_ptr<Controls> controls_;
  AccessibleNames names_;
};

// A top-level window of controls built from a control table, as both of the
// program's windows are. It keeps its focused control across activations as
// a dialog does, colours its captions, paints its lines, gives screen readers
// the names its captions give, and lays itself out again when its DPI changes.
//
// Its parts are a base before Window: bases are destroyed in the reverse
// order of their construction, so the window, and its controls with it, is
// gone before their fonts, their icon and their names are, and before the
// names' end of COM, which may handle messages, can reach a window of it.
class FormWindow : private FormParts, public Window {
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
  HWND focus_ = nullptr;
};

}  // namespace quorvel::ui::win32
