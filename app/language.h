// SPDX-License-Identifier: MIT
//
// Which catalogue the program speaks, chosen once at start-up from the
// user's languages, most wanted first:
//
//   ChooseLanguage           the first preference a catalogue serves
//   MessagesPreferences      the preferences on POSIX, as gettext reads them
//                            from LANGUAGE, LC_ALL, LC_MESSAGES and LANG
//   UserLanguagePreferences  the user's own: the environment on POSIX, the
//                            user's UI languages on Windows
//   IsRightToLeft            whether a language is written right to left
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// The catalogue for the first of `preferences` that one of `available`
// serves, or "" for English, the source. A preference is a POSIX locale
// ("de_DE.UTF-8", "sr_RS@latin") or a language tag ("zh-Hant-TW", "fr"); it
// is served by the catalogue of its language and region ("pt_BR") or of its
// language alone ("de" for "de_AT"). English, and the C and POSIX locales,
// are served by the source texts. Traditional Chinese (the Hant script, or
// Taiwan, Hong Kong and Macao without a script) is never served by the
// Simplified catalogue "zh_CN", which serves every other Chinese.
std::string ChooseLanguage(std::span<const std::string> preferences,
                           std::span<const std::string_view> available);

// The preferences gettext would read from these variables' values ("" when
// unset): the messages locale is the first of LC_ALL, LC_MESSAGES and LANG
// that is set; LANGUAGE, a list separated by ":", goes before it, unless the
// messages locale is C or POSIX, which gives English whatever LANGUAGE says.
std::vector<std::string> MessagesPreferences(std::string_view language, std::string_view lcAll,
                                             std::string_view lcMessages, std::string_view lang);

// The user's languages, most wanted first (language_posix.cpp,
// language_win.cpp).
std::vector<std::string> UserLanguagePreferences();

// Whether `language` (a catalogue's name or a preference) is written right
// to left: Arabic, Hebrew, Persian, Urdu and the other scripts that are.
bool IsRightToLeft(std::string_view language);

}  // namespace quorvel
