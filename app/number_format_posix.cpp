// SPDX-License-Identifier: MIT
#include <langinfo.h>
#include <locale.h>

#include "app/number_format.h"

namespace quorvel::detail {

std::string ReadUserDecimalSeparator() {
  // newlocale with "" resolves LC_ALL, then LC_NUMERIC, then LANG, without
  // touching the process locale that other code may depend on.
  locale_t user = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
  if (user == static_cast<locale_t>(nullptr)) {
    return ".";
  }
  std::string separator = nl_langinfo_l(RADIXCHAR, user);
  freelocale(user);
  return separator;
}

}  // namespace quorvel::detail
