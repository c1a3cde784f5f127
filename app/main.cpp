// SPDX-License-Identifier: MIT
// The program's entry on Linux and other systems with Qt (main_win.cpp is the
// Windows one). Before the window it chooses the language of its texts,
// checks that there is a display, chooses the Qt platform, catches Qt's fatal
// error at start-up to tell the user why (ui/qt/start_failure.h) and applies
// the classic look; then it runs the windows (ui/qt/program.h).
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "app/language.h"
#include "app/translation.h"
#include "ui/qt/classic_look.h"
#include "ui/qt/platform.h"
#include "ui/qt/program.h"
#include "ui/qt/qt_translation.h"
#include "ui/qt/start_failure.h"

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

// The program as the user started it.
std::string startedAs = "quorvel";

QtMessageHandler qtHandler = nullptr;
// What Qt said before a fatal error: it tells the cause.
std::vector<std::string> qtWarnings;

// Qt ends the program with abort() when it cannot start; this ends it with a
// message the user can act on, and exit code 1. Qt's own warnings before it,
// passed on, say more.
void ReportStartFailure(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    qtWarnings.push_back(message.toStdString());
    qtHandler(type, context, message);
    return;
  }
  std::string text = quorvel::ui::qt::StartFailureMessage(
      quorvel::ui::qt::DiagnoseStartFailure(qtWarnings), message.toStdString(), startedAs);
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
    std::fputs(quorvel::ui::qt::NoDisplayMessage(startedAs).c_str(), stderr);
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
  qtHandler = qInstallMessageHandler(ReportStartFailure);
  QApplication application(count, arguments.data());
  qInstallMessageHandler(qtHandler);
  QApplication::setApplicationName(QStringLiteral("Quorvel"));
  QApplication::setDesktopFileName(QStringLiteral("quorvel"));
  translation.InstallInApplication();
  quorvel::ui::qt::ApplyClassicLook(userStyle);
  return quorvel::ui::qt::RunProgram();
}
