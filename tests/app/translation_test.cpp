// SPDX-License-Identifier: MIT
// The translation service: filling sentences, choosing the language from the
// user's preferences, and the compiled-in catalogues.
#include "app/translation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "app/language.h"

namespace quorvel {
namespace {

TEST(FillTest, PutsEachValueAtItsPlaceholderAndNothingElse) {
  const struct {
    const char* sentence;
    std::vector<std::string> values;
    const char* filled;
  } cases[] = {
      {"Version %1", {"1.0.0"}, "Version 1.0.0"},
      {"%2, %1", {"a", "b"}, "b, a"},
      {"%1 %1", {"x"}, "x x"},
      {"Error %1\n\n%2", {"1001", "Text."}, "Error 1001\n\nText."},
      // A placeholder without a value stays as written; a value's own "%1"
      // is not filled again; "%" before anything but 1 to 9 is text.
      {"%1 and %3", {"a"}, "a and %3"},
      {"%1", {"%1%2"}, "%1%2"},
      {"100% %0 %%1 %", {"x"}, "100% %0 %x %"},
      {"%9", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}, "9"},
      {"", {"x"}, ""},
  };
  for (const auto& c : cases) {
    std::string filled;
    switch (c.values.size()) {
      case 1:
        filled = Fill(c.sentence, {c.values[0]});
        break;
      case 2:
        filled = Fill(c.sentence, {c.values[0], c.values[1]});
        break;
      default:
        filled = Fill(c.sentence, {c.values[0], c.values[1], c.values[2], c.values[3], c.values[4],
                                   c.values[5], c.values[6], c.values[7], c.values[8]});
    }
    EXPECT_EQ(filled, c.filled) << c.sentence;
  }
}

TEST(ChooseLanguageTest, TheFirstPreferenceACatalogueServes) {
  const std::string_view available[] = {"ar", "de", "es", "fr", "ja", "pt_BR", "zh_CN"};
  const struct {
    std::vector<std::string> preferences;
    const char* chosen;
  } cases[] = {
      {{"de_DE.UTF-8"}, "de"},
      {{"de_AT.UTF-8@euro"}, "de"},
      {{"fr-CA"}, "fr"},
      {{"es_MX.utf8"}, "es"},
      {{"ja_JP.UTF-8"}, "ja"},
      {{"ar_EG.UTF-8"}, "ar"},
      {{"AR"}, "ar"},
      {{"pt_BR.UTF-8"}, "pt_BR"},
      {{"pt_PT.UTF-8"}, ""},
      {{"nl_NL.UTF-8", "fr_FR.UTF-8"}, "fr"},
      {{"en_GB.UTF-8", "de_DE.UTF-8"}, ""},
      {{"C"}, ""},
      {{"POSIX", "de"}, ""},
      {{"C.UTF-8"}, ""},
      {{}, ""},
      {{"", "de"}, ""},
      // Simplified Chinese serves the Simplified and plain Chinese only.
      {{"zh_CN.UTF-8"}, "zh_CN"},
      {{"zh_SG.UTF-8"}, "zh_CN"},
      {{"zh"}, "zh_CN"},
      {{"zh-Hans"}, "zh_CN"},
      {{"zh-Hans-HK"}, "zh_CN"},
      {{"zh_TW.UTF-8"}, ""},
      {{"zh_HK.UTF-8"}, ""},
      {{"zh_MO"}, ""},
      {{"zh-Hant"}, ""},
      {{"zh-Hant-CN"}, ""},
      {{"zh-TW", "ja-JP"}, "ja"},
      {{"zh_TW.UTF-8", "zh_CN.UTF-8"}, "zh_CN"},
  };
  for (const auto& c : cases) {
    std::string joined;
    for (const std::string& preference : c.preferences)
      joined += preference + " ";
    EXPECT_EQ(ChooseLanguage(c.preferences, available), c.chosen) << joined;
  }
}

TEST(MessagesPreferencesTest, AsGettextReadsTheEnvironment) {
  using List = std::vector<std::string>;
  const struct {
    const char* language;
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    List preferences;
  } cases[] = {
      {"", "", "", "", {"C"}},
      {"", "", "", "de_DE.UTF-8", {"de_DE.UTF-8"}},
      {"", "", "fr_FR.UTF-8", "de_DE.UTF-8", {"fr_FR.UTF-8"}},
      {"", "ja_JP.UTF-8", "fr_FR.UTF-8", "de_DE.UTF-8", {"ja_JP.UTF-8"}},
      {"ar:fr", "", "", "de_DE.UTF-8", {"ar", "fr", "de_DE.UTF-8"}},
      {"::es::", "", "", "de_DE.UTF-8", {"es", "de_DE.UTF-8"}},
      // In the C locale LANGUAGE counts for nothing.
      {"de", "", "", "", {"C"}},
      {"de", "C", "", "de_DE.UTF-8", {"C"}},
      {"de", "POSIX", "", "", {"C"}},
      {"de", "C.UTF-8", "", "fr_FR.UTF-8", {"C"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MessagesPreferences(c.language, c.lcAll, c.lcMessages, c.lang), c.preferences)
        << c.language << "|" << c.lcAll << "|" << c.lcMessages << "|" << c.lang;
  }
}

TEST(IsRightToLeftTest, ArabicHebrewAndTheirKin) {
  for (const char* language : {"ar", "ar_EG.UTF-8", "he", "fa-IR", "ur"})
    EXPECT_TRUE(IsRightToLeft(language)) << language;
  for (const char* language : {"", "de", "ja", "zh_CN", "qps_ploc", "arn"})
    EXPECT_FALSE(IsRightToLeft(language)) << language;
}

class UpperCase final : public Translator {
 public:
  std::string Translate(std::string_view source) const override {
    std::string upper(source);
    for (char& c : upper)
      c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    return upper;
  }
};

TEST(TrTest, GoesThroughTheInstalledTranslatorAndBackToTheSource) {
  EXPECT_EQ(Tr("About"), "About");
  UpperCase upper;
  InstallTranslator(&upper, "ar");
  EXPECT_EQ(Tr("About"), "ABOUT");
  EXPECT_TRUE(TextsRightToLeft());
  InstallTranslator(nullptr, "ar");
  EXPECT_EQ(Tr("About"), "About");
  EXPECT_FALSE(TextsRightToLeft());
}

TEST(CatalogueTest, EveryCatalogueIsSortedAndLooksItsTextsUp) {
  ASSERT_GE(Catalogues().size(), 7u) << "six languages and the pseudo-language";
  for (const Catalogue& catalogue : Catalogues()) {
    EXPECT_TRUE(std::ranges::is_sorted(catalogue.entries, {}, &CatalogueEntry::source))
        << catalogue.language;
    EXPECT_TRUE(std::ranges::find(CatalogueLanguages(), catalogue.language) !=
                CatalogueLanguages().end())
        << catalogue.language;
    TableTranslator translator(catalogue);
    for (const CatalogueEntry& entry : catalogue.entries)
      EXPECT_EQ(translator.Translate(entry.source), entry.translation) << catalogue.language;
    EXPECT_EQ(translator.Translate("Quorvel"), "Quorvel") << "a name has no entry";
  }
  const Catalogue* german = FindCatalogue("de");
  ASSERT_NE(german, nullptr);
  EXPECT_EQ(TableTranslator(*german).Translate("&Calculate"), "&Berechnen");
  EXPECT_EQ(FindCatalogue("xx"), nullptr);
}

}  // namespace
}  // namespace quorvel
