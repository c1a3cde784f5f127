// SPDX-License-Identifier: MIT
// The program's entry on Linux and other systems with Qt (main_win.cpp is the
// Windows one). Before the window it chooses the language of its texts,
// checks that there is a display, chooses the Qt platform, catches Qt's
// fatal error for a display it cannot reach and applies the classic look;
// then it creates the main window, shows it, and runs the event loop.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

#include "app/catalogue.h"
#include "app/language.h"
#include "app/translation.h"
#include "ui/qt/classic_look.h"
#include "ui/qt/form1_window.h"
#include "ui/qt/platform.h"
#include "ui/qt/qt_desktop.h"
#include "ui/qt/qt_translation.h"

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
  std::string install = std::string(geteuid() == 0 ? "" : "sudo ") + "apt-get install xvfb";
  return quorvel::Fill(
      quorvel::Tr("On a machine without a display, run it in a virtual one; on Debian:\n"
                  "  %1\n"
                  "  %2\n"),
      {install, "xvfb-run " + quoted});
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
      quorvel::Fill(
          quorvel::Tr("Quorvel cannot open its window: the display it was given cannot "
                      "be reached\n"
                      "(DISPLAY=\"%1\", WAYLAND_DISPLAY=\"%2\", QT_QPA_PLATFORM=\"%3\").\n"
                      "Check that the display is running and that these name it.\n"),
          {Variable("DISPLAY"), Variable("WAYLAND_DISPLAY"), Variable("QT_QPA_PLATFORM")}) +
      VirtualDisplayAdvice(startedAs);
  std::fputs(text.c_str(), stderr);
  std::fflush(stderr);
  std::_Exit(1);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 0 && argv[0] != nullptr && *argv[0] != '\0')
    startedAs = argv[0];
  // The language first: the messages of a start that fails are in it too.
  std::string language =
      quorvel::ChooseLanguage(quorvel::UserLanguagePreferences(), quorvel::CatalogueLanguages());
  quorvel::ui::qt::QtTranslation translation(language);
  if (translation.loaded())
    quorvel::InstallTranslator(&translation, language);
  if (!DisplayAvailable()) {
    std::string text =
        quorvel::Tr(
            "Quorvel is a desktop program and needs a graphical display, but none is set\n"
            "(DISPLAY and WAYLAND_DISPLAY are empty). Start it from your desktop.\n") +
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
  translation.InstallInApplication();
  quorvel::ui::qt::ApplyClassicLook(userStyle);
  quorvel::ui::qt::QtDesktop desktop;
  quorvel::ui::qt::Form1Window form(desktop);
  form.show();
  return QApplication::exec();
}
