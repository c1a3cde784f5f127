// SPDX-License-Identifier: MIT
#include <windows.h>

#include "app/language.h"
#include "app/win_text.h"

namespace quorvel {

std::vector<std::string> UserLanguagePreferences() {
  // The user's UI languages in their order, as language names ("de-DE").
  ULONG count = 0;
  ULONG size = 0;
  std::vector<std::string> preferences;
  if (GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) && size > 0) {
    std::wstring names(size, L'\0');
    if (GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &size)) {
      for (const wchar_t* name = names.c_str(); *name != L'\0'; name += wcslen(name) + 1) {
        if (std::optional<std::string> narrow = win::Narrow(name))
          preferences.push_back(*narrow);
      }
    }
  }
  if (preferences.empty()) {
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    if (LCIDToLocaleName(MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT), name,
                         LOCALE_NAME_MAX_LENGTH, 0) > 0) {
      if (std::optional<std::string> narrow = win::Narrow(name))
        preferences.push_back(*narrow);
    }
  }
  return preferences;
}

}  // namespace quorvel
