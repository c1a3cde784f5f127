// SPDX-License-Identifier: MIT
#pragma once

#include <QTranslator>
#include <string>
#include <string_view>

#include "app/translation.h"

namespace quorvel::ui::qt {

// The translation service on Qt: the program's catalogue, compiled by
// lrelease into the program's resources, and Qt's own of the same language
// (the buttons of its message boxes), from Qt's translations folder where
// the system has it. The program's texts are looked up in the first
// directly, so that they are there before the application is, for the
// messages of a start that fails.
class QtTranslation final : public Translator {
 public:
  // Loads the catalogues of `language`, a name of CatalogueLanguages() ("":
  // English, nothing to load).
  explicit QtTranslation(std::string_view language);
  // Whether the program's catalogue was loaded.
  bool loaded() const { return loaded_; }
  // Installs Qt's own catalogue in the application, which must exist by then,
  // and sets the application's layout direction to the language's.
  void InstallInApplication();

  std::string Translate(std::string_view source) const override;

 private:
  std::string language_;
  QTranslator program_;
  QTranslator qt_;
  bool loaded_ = false;
};

}  // namespace quorvel::ui::qt
