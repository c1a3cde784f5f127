// SPDX-License-Identifier: MIT
#include <cstdlib>

#include "app/language.h"

namespace quorvel {
namespace {

std::string_view Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

std::vector<std::string> UserLanguagePreferences() {
  return MessagesPreferences(Variable("LANGUAGE"), Variable("LC_ALL"), Variable("LC_MESSAGES"),
                             Variable("LANG"));
}

}  // namespace quorvel
