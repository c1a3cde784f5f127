// SPDX-License-Identifier: MIT
//
// The program's texts in the user's language. Every text a person sees or
// hears is written in English in the code and looked up in the catalogues
// (translations/quorvel_<language>.ts), all under one context, "Quorvel":
//
//   Mark        marks a literal for the catalogues without translating it,
//               for the tables, which are constexpr and translated where
//               they are shown
//   Tr          a marked text, or a literal it marks, in the user's language
//   Fill        a whole sentence with its placeholders %1..%9 filled in
//   Translator  where Tr looks texts up: each front end installs one (Qt's
//               QTranslator on Linux, the compiled-in catalogues on Windows)
//
// scripts/translations.py finds the texts by these two names, Mark("...")
// and Tr("..."), each with a string literal (or adjacent ones) as it stands:
// a text built in code would not be found, and has no place here.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace quorvel {

// The one context of the program's own texts in the catalogues.
inline constexpr std::string_view kTextContext = "Quorvel";

constexpr std::string_view Mark(std::string_view source) {
  return source;
}

class Translator {
 public:
  virtual ~Translator() = default;
  // `source` in the chosen language; `source` itself where the catalogue has
  // no translation of it.
  virtual std::string Translate(std::string_view source) const = 0;
};

// Makes `translator` (nullptr: none, the English source texts) the one Tr
// uses, for texts in `language`, a catalogue's name ("de", "zh_CN"; "" for
// English). It must outlive its use; the front end installs it once, before
// any window is made.
void InstallTranslator(const Translator* translator, std::string_view language = {});

// `source` in the user's language.
std::string Tr(std::string_view source);

// Whether the texts read from right to left, and the windows are mirrored.
bool TextsRightToLeft();

// `sentence` with each %1..%9 replaced by the value at that position. A
// placeholder without a value stays as it is written, and a value is never
// read for placeholders itself: a translation with a wrong placeholder shows
// it, and can do no harm.
std::string Fill(std::string_view sentence, std::initializer_list<std::string_view> values);

}  // namespace quorvel
