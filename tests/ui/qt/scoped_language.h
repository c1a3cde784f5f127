// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <string>

#include "app/translation.h"
#include "ui/qt/qt_translation.h"

namespace quorvel::ui::qt {

// The program's texts in `language` ("" for English), and the application's
// layout direction with them, for the life of the object, as the program
// sets them at start-up; then English again.
class ScopedLanguage {
 public:
  explicit ScopedLanguage(const std::string& language) : translation_(language) {
    if (translation_.loaded())
      InstallTranslator(&translation_, language);
    QApplication::setLayoutDirection(TextsRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
  }
  ~ScopedLanguage() {
    InstallTranslator(nullptr);
    QApplication::setLayoutDirection(Qt::LeftToRight);
  }
  ScopedLanguage(const ScopedLanguage&) = delete;
  ScopedLanguage& operator=(const ScopedLanguage&) = delete;

  bool loaded() const { return translation_.loaded(); }

 private:
  QtTranslation translation_;
};

// Every language of the catalogues, English first and the pseudo-language
// last, for parameterised tests.
inline const char* const kLanguages[] = {"", "de", "fr", "es", "ja", "zh_CN", "ar", "qps_ploc"};

inline std::string LanguageName(const ::testing::TestParamInfo<const char*>& info) {
  std::string name = *info.param ? info.param : "en";
  return name;
}

}  // namespace quorvel::ui::qt
