// SPDX-License-Identifier: MIT
#include "ui/win32/program.h"

#include <optional>
#include <string>

#include "app/catalogue.h"
#include "app/language.h"
#include "ui/win32/form1_window.h"
#include "ui/win32/win32_desktop.h"

namespace quorvel::ui::win32 {

int RunProgram(HINSTANCE instance, int show) {
  // The texts in the user's UI language, from the compiled-in catalogues.
  std::string language = ChooseLanguage(UserLanguagePreferences(), CatalogueLanguages());
  std::optional<TableTranslator> translator;
  if (const Catalogue* catalogue = FindCatalogue(language)) {
    translator.emplace(*catalogue);
    InstallTranslator(&*translator, language);
  }
  Win32Desktop desktop;
  Form1Window form(instance, desktop);
  desktop.SetFallbackOwner(form.hwnd());
  ShowWindow(form.hwnd(), show);
  UpdateWindow(form.hwnd());
  RunMessageLoop(form.hwnd(), form.accelerators());
  return 0;
}

}  // namespace quorvel::ui::win32
