// SPDX-License-Identifier: MIT
#include "app/translation.h"

#include "app/language.h"

namespace quorvel {
namespace {

const Translator* installed = nullptr;
std::string installedLanguage;

}  // namespace

void InstallTranslator(const Translator* translator, std::string_view language) {
  installed = translator;
  installedLanguage = translator ? std::string(language) : std::string();
}

std::string Tr(std::string_view source) {
  if (installed == nullptr || source.empty())
    return std::string(source);
  return installed->Translate(source);
}

bool TextsRightToLeft() {
  return IsRightToLeft(installedLanguage);
}

std::string Fill(std::string_view sentence, std::initializer_list<std::string_view> values) {
  const std::string_view* byPosition = values.begin();
  std::string filled;
  filled.reserve(sentence.size());
  for (std::size_t i = 0; i < sentence.size(); ++i) {
    char next = i + 1 < sentence.size() ? sentence[i + 1] : '\0';
    if (sentence[i] == '%' && next >= '1' && next <= '9' &&
        static_cast<std::size_t>(next - '1') < values.size()) {
      filled += byPosition[static_cast<std::size_t>(next - '1')];
      ++i;
    } else {
      filled += sentence[i];
    }
  }
  return filled;
}

}  // namespace quorvel
