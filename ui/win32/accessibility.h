// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <string_view>
#include <utility>

struct IAccPropServices;

namespace quorvel::ui::win32 {

// What screen readers announce for a window's controls, over what the
// controls would say themselves, given with the system's annotation service:
// names, descriptions, and which control is a live region, whose changes a
// screen reader speaks wherever the focus is. The service (COM and oleacc)
// is loaded only once a screen reader runs or an accessibility client asks
// the window for its object, so a run without one pays nothing for it at
// start-up.
class AccessibleNames {
 public:
  AccessibleNames() = default;
  AccessibleNames(const AccessibleNames&) = delete;
  AccessibleNames& operator=(const AccessibleNames&) = delete;
  ~AccessibleNames();

  // Names `control`: now if annotating has started, else when it starts.
  void Set(HWND control, std::string_view name);
  // Describes `control`, likewise.
  void SetDescription(HWND control, std::string_view description);
  // Makes `control` a polite live region, likewise. Tell screen readers of
  // each change with NotifyLiveRegion.
  void SetLive(HWND control);
  // Starts annotating if a screen reader is running (at start-up, and when
  // the system says that one started).
  void StartIfScreenReader();
  // Starts annotating: a client asked for the window's object. With no
  // name set yet, it waits for the next ask.
  void Start();

 private:
  enum class Property { Name, Description, Live };
  using Key = std::pair<HWND, Property>;
  void Store(Key key, std::string_view text);
  void Annotate(const Key& key, const std::wstring& text) const;

  std::map<Key, std::wstring> texts_;
  bool started_ = false;
  bool comStarted_ = false;
  IAccPropServices* services_ = nullptr;
};

// Tells screen readers that the text of `control`, a live region, changed.
void NotifyLiveRegion(HWND control);

}  // namespace quorvel::ui::win32
