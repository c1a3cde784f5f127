// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <string_view>

struct IAccPropServices;

namespace quorvel::ui::win32 {

// The names that screen readers announce for a window's controls, over what
// the controls would say themselves, given with the system's annotation
// service. The service (COM and oleacc) is loaded only once a screen reader
// runs or an accessibility client asks the window for its object, so a run
// without one pays nothing for it at start-up.
class AccessibleNames {
 public:
  AccessibleNames() = default;
  AccessibleNames(const AccessibleNames&) = delete;
  AccessibleNames& operator=(const AccessibleNames&) = delete;
  ~AccessibleNames();

  // Names `control`: now if annotating has started, else when it starts.
  void Set(HWND control, std::string_view name);
  // Starts annotating if a screen reader is running (at start-up, and when
  // the system says that one started).
  void StartIfScreenReader();
  // Starts annotating: a client asked for the window's object. With no
  // name set yet, it waits for the next ask.
  void Start();

 private:
  void Annotate(HWND control, const std::wstring& name) const;

  std::map<HWND, std::wstring> names_;
  bool started_ = false;
  bool comStarted_ = false;
  IAccPropServices* services_ = nullptr;
};

}  // namespace quorvel::ui::win32
