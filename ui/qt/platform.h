// SPDX-License-Identifier: MIT
#pragma once

namespace quorvel::ui::qt {

// Whether the command line gives Qt's option `name` ("platform", "style"),
// written -name or --name, with its value after it or after "=".
bool NamesQtOption(int argc, char** argv, const char* name);

// The Qt platform plugin the program asks for, or nullptr to let Qt choose.
// In a Wayland session that also runs X11 (XWayland) it is "xcb": only there
// does the About window keep its fixed place, stay out of the task bar and
// show no minimize or maximize button, none of which a Wayland window can ask
// for. A Wayland session without X11 gets "wayland", which Qt would not try
// first. A platform the user names (QT_QPA_PLATFORM, -platform) is kept.
// Asked before QApplication takes its options out of argv.
const char* PreferredPlatform(int argc, char** argv);

}  // namespace quorvel::ui::qt
