// SPDX-License-Identifier: MIT
#include "bench/reference_hyperfocal.h"

#include <iomanip>
#include <locale>
#include <sstream>

namespace quorvel::bench {
namespace {

// The user's locale, built once as a careful caller would.
const std::locale& UserLocale() {
  static const std::locale user("");
  return user;
}

bool Read(std::string_view text, LocaleUse localeUse, double& value) {
  std::istringstream in{std::string(text)};
  in.imbue(localeUse == LocaleUse::Cached ? UserLocale() : std::locale(""));
  in >> value;
  if (in.fail())
    return false;
  in >> std::ws;
  return in.eof();
}

}  // namespace

std::string ReferenceHyperfocal(std::string_view focalText, std::string_view apertureText,
                                LocaleUse localeUse) {
  double focal = 0;
  double aperture = 0;
  if (!Read(focalText, localeUse, focal) || !Read(apertureText, localeUse, aperture) ||
      aperture == 0)
    return {};
  double feet = focal * focal / (aperture * 0.3) * (1e-3 * 3.281);
  std::ostringstream out;
  out.imbue(std::locale::classic());
  out << std::fixed << std::setprecision(2) << feet;
  std::string text = out.str();
  while (text.back() == '0')
    text.pop_back();
  if (text.back() == '.')
    text.pop_back();
  return (feet < 0 ? "" : " ") + text + " ft.";
}

}  // namespace quorvel::bench
