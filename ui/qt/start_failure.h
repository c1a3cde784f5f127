// SPDX-License-Identifier: MIT
//
// Why Qt could not start, told apart for the user: from the warnings Qt gave
// before its fatal error, and from a look at the display it was given.
//
//   DisplayUnreachable  nothing answers at the display's address
//   DisplayRefused      a display answers but will not let this user in
//                       (X authorisation: sudo, a wrong XAUTHORITY)
//   PluginMissing       Qt has no platform plugin of that name
//   Other               anything else: Qt's own error, as it gave it
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvel::ui::qt {

enum class StartFailureKind { DisplayUnreachable, DisplayRefused, PluginMissing, Other };

struct StartFailure {
  StartFailureKind kind = StartFailureKind::Other;
  // The platform plugin at fault, where Qt named one.
  std::string platform;
};

// How a display answers a connection.
enum class DisplayAnswer { Nothing, Refused, Accepted };

// Whether the X11 display named `display` (as DISPLAY names it) runs and lets
// this user in.
DisplayAnswer AskX11Display(const std::string& display);
// Whether the Wayland compositor `display` (as WAYLAND_DISPLAY names it,
// under `runtimeDir`, XDG_RUNTIME_DIR) runs and lets this user in.
DisplayAnswer AskWaylandDisplay(const std::string& display, const std::string& runtimeDir);

// What went wrong, from Qt's `warnings` before its fatal error; the display
// is asked with the environment's DISPLAY, WAYLAND_DISPLAY and
// XDG_RUNTIME_DIR where a platform plugin failed to load.
StartFailure DiagnoseStartFailure(const std::vector<std::string>& warnings);

// The message for the user, whole sentences with advice, naming the program
// `startedAs` as the user started it. `qtError` is Qt's fatal message.
std::string StartFailureMessage(const StartFailure& failure, std::string_view qtError,
                                std::string_view startedAs);

// The message for a start without any display set.
std::string NoDisplayMessage(std::string_view startedAs);

}  // namespace quorvel::ui::qt
