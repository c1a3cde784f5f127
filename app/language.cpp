// SPDX-License-Identifier: MIT
#include "app/language.h"

#include <algorithm>
#include <array>

namespace quorvel {
namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  return lower;
}

// A preference's parts: its language, and the rest of its tag in POSIX form
// ("Hant_TW" of "zh-Hant-TW"); the encoding and the modifier of a locale
// ("de_DE.UTF-8@euro") are no part of it.
struct Tag {
  std::string language;
  std::string rest;
};

Tag Parse(std::string_view preference) {
  preference = preference.substr(0, preference.find_first_of(".@"));
  std::string tag(preference);
  std::ranges::replace(tag, '-', '_');
  std::size_t separator = tag.find('_');
  if (separator == std::string::npos)
    return {Lower(tag), {}};
  return {Lower(tag.substr(0, separator)), tag.substr(separator + 1)};
}

// Whether a Chinese tag's rest names Traditional Chinese.
bool Traditional(std::string_view rest) {
  std::string lower = Lower(rest);
  if (lower.starts_with("hant"))
    return true;
  if (lower.starts_with("hans"))
    return false;
  return lower == "tw" || lower == "hk" || lower == "mo";
}

// The catalogue of `available` named `name`, compared without case.
const std::string_view* Find(std::span<const std::string_view> available, std::string_view name) {
  std::string wanted = Lower(name);
  auto found = std::ranges::find_if(
      available, [&wanted](std::string_view catalogue) { return Lower(catalogue) == wanted; });
  return found == available.end() ? nullptr : &*found;
}

bool IsCLocale(std::string_view locale) {
  std::string_view name = locale.substr(0, locale.find_first_of(".@"));
  return name.empty() || name == "C" || name == "POSIX";
}

}  // namespace

std::string ChooseLanguage(std::span<const std::string> preferences,
                           std::span<const std::string_view> available) {
  for (const std::string& preference : preferences) {
    if (IsCLocale(preference))
      return {};
    Tag tag = Parse(preference);
    if (tag.language == "en")
      return {};
    if (tag.language == "zh") {
      if (Traditional(tag.rest))
        continue;
      if (const std::string_view* simplified = Find(available, "zh_CN"))
        return std::string(*simplified);
      continue;
    }
    if (!tag.rest.empty()) {
      if (const std::string_view* regional = Find(available, tag.language + "_" + tag.rest))
        return std::string(*regional);
    }
    if (const std::string_view* general = Find(available, tag.language))
      return std::string(*general);
  }
  return {};
}

std::vector<std::string> MessagesPreferences(std::string_view language, std::string_view lcAll,
                                             std::string_view lcMessages, std::string_view lang) {
  std::string_view messages = !lcAll.empty() ? lcAll : !lcMessages.empty() ? lcMessages : lang;
  if (IsCLocale(messages))
    return {"C"};
  std::vector<std::string> preferences;
  while (!language.empty()) {
    std::size_t colon = std::min(language.find(':'), language.size());
    if (colon > 0)
      preferences.emplace_back(language.substr(0, colon));
    language.remove_prefix(std::min(colon + 1, language.size()));
  }
  preferences.emplace_back(messages);
  return preferences;
}

bool IsRightToLeft(std::string_view language) {
  static constexpr std::array<std::string_view, 11> kRightToLeft{
      "ar", "ckb", "dv", "fa", "he", "iw", "ps", "sd", "ug", "ur", "yi"};
  return std::ranges::find(kRightToLeft, Parse(language).language) != kRightToLeft.end();
}

}  // namespace quorvel
