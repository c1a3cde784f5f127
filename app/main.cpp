// SPDX-License-Identifier: MIT
// The program's entry on Linux and other systems with Qt (main_win.cpp is the
// Windows one). Before the window it checks that there is a display, chooses
// the Qt platform, catches Qt's fatal error for a display it cannot reach
// and applies the classic look; then it runs the windows (ui/qt/program.h).
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

#include "ui/qt/classic_look.h"
#include "ui/qt/platform.h"
#include "ui/qt/program.h"

namespace {

// True when a Qt platform is named or an X11 or Wayland display is set.
bool DisplayAvailable() {
  for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0')
      return true;
  }
  return false;
}

// The value of an environment variable, or "" when it is not set.
std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// How to run the program in a virtual display, in commands that work as
// printed: the program named as the user started it, through sudo unless
// the user is root already.
std::string VirtualDisplayAdvice(std::string_view program) {
  std::string quoted(program);
  if (quoted.find_first_not_of(
          "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789/._+-") !=
      std::string::npos) {
    quoted = "'";
    for (char c : program)
      quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    quoted += "'";
  }
  return std::string("On a machine without a display, run it in a virtual one; on Debian:\n") +
         "  " + (geteuid() == 0 ? "" : "sudo ") + "apt-get install xvfb\n" + "  xvfb-run " +
         quoted + "\n";
}

// The program as the user started it.
std::string startedAs = "quorvel";

QtMessageHandler qtHandler = nullptr;

// Qt ends the program with abort() when it cannot reach the display it was
// given; this ends it with a message the user can act on, and exit code 1.
// Qt's own warnings before it, passed on, say what went wrong.
void ReportUnreachableDisplay(QtMsgType type, const QMessageLogContext& context,
                              const QString& message) {
  if (type != QtFatalMsg) {
    qtHandler(type, context, message);
    return;
  }
  std::string text =
      "Quorvel cannot open its window: the display it was given cannot be reached\n"
      "(DISPLAY=\"" +
      Variable("DISPLAY") + "\", WAYLAND_DISPLAY=\"" + Variable("WAYLAND_DISPLAY") +
      "\", QT_QPA_PLATFORM=\"" + Variable("QT_QPA_PLATFORM") +
      "\").\n"
      "Check that the display is running and that these name it.\n" +
      VirtualDisplayAdvice(startedAs);
  std::fputs(text.c_str(), stderr);
  std::fflush(stderr);
  std::_Exit(1);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 0 && argv[0] != nullptr && *argv[0] != '\0')
    startedAs = argv[0];
  if (!DisplayAvailable()) {
    std::string text =
        "Quorvel is a desktop program and needs a graphical display, but none is set\n"
        "(DISPLAY and WAYLAND_DISPLAY are empty). Start it from your desktop.\n" +
        VirtualDisplayAdvice(startedAs);
    std::fputs(text.c_str(), stderr);
    return 1;
  }
  // Asked before QApplication takes its options out of argv.
  bool userStyle = quorvel::ui::qt::UserChoseStyle(argc, argv);
  std::vector<char*> arguments(argv, argv + argc);
  char platformOption[] = "-platform";
  if (const char* platform = quorvel::ui::qt::PreferredPlatform(argc, argv)) {
    arguments.push_back(platformOption);
    arguments.push_back(const_cast<char*>(platform));
  }
  int count = static_cast<int>(arguments.size());
  arguments.push_back(nullptr);
  qtHandler = qInstallMessageHandler(ReportUnreachableDisplay);
  QApplication application(count, arguments.data());
  qInstallMessageHandler(qtHandler);
  QApplication::setApplicationName(QStringLiteral("Quorvel"));
  QApplication::setDesktopFileName(QStringLiteral("quorvel"));
  quorvel::ui::qt::ApplyClassicLook(userStyle);
  return quorvel::ui::qt::RunProgram();
}
