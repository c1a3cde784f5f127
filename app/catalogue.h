// SPDX-License-Identifier: MIT
//
// The catalogues compiled into the program, made from translations/*.ts by
// scripts/translations.py when it is built: the names of the languages they
// serve, and, for a program that has no other way to read them (the Windows
// one), their texts with a Translator that looks them up.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "app/translation.h"

namespace quorvel {

struct CatalogueEntry {
  std::string_view source;
  std::string_view translation;
};

struct Catalogue {
  std::string_view language;
  std::span<const CatalogueEntry> entries;  // by source, in byte order
};

// The languages of the catalogues ("de", "zh_CN", ...), the pseudo-language
// "qps_ploc" among them (catalogue_languages.cpp, generated).
std::span<const std::string_view> CatalogueLanguages();

// The catalogues themselves, of the program's own texts
// (catalogue_table.cpp, generated).
std::span<const Catalogue> Catalogues();

// The catalogue of `language`, or nullptr.
const Catalogue* FindCatalogue(std::string_view language);

class TableTranslator final : public Translator {
 public:
  explicit TableTranslator(const Catalogue& catalogue) : catalogue_(catalogue) {}
  std::string Translate(std::string_view source) const override;

 private:
  const Catalogue& catalogue_;
};

}  // namespace quorvel
