// SPDX-License-Identifier: MIT
#include "app/catalogue.h"

#include <algorithm>

namespace quorvel {

const Catalogue* FindCatalogue(std::string_view language) {
  std::span<const Catalogue> all = Catalogues();
  auto found = std::ranges::find(all, language, &Catalogue::language);
  return found == all.end() ? nullptr : &*found;
}

std::string TableTranslator::Translate(std::string_view source) const {
  auto found = std::ranges::lower_bound(catalogue_.entries, source, {}, &CatalogueEntry::source);
  if (found == catalogue_.entries.end() || found->source != source)
    return std::string(source);
  return std::string(found->translation);
}

}  // namespace quorvel
