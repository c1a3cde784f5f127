// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to CalcHyperfocal as the two texts. Every outcome must
// be a CalcError, or a caption made of a blank or a minus sign, a number that
// ToNumber reads back, and " ft.".
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/calc_error.h"
#include "app/number_services.h"
#include "calc/hyperfocal.h"

namespace {

constexpr quorvel::NumberFormat kComma{","};

void CheckCaption(const std::string& caption) {
  constexpr std::string_view suffix = " ft.";
  if (caption.size() < 1 + suffix.size() + 1 || !caption.ends_with(suffix))
    std::abort();
  if (caption.front() != ' ' && caption.front() != '-')
    std::abort();
  std::string_view number(caption.data() + 1, caption.size() - 1 - suffix.size());
  if (number.front() == ' ' || number.back() == ' ')
    std::abort();
  quorvel::ToNumber(number, quorvel::kPlainFormat);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0)
    return 0;
  // The first byte picks the user's separator; the rest splits at the first
  // newline into the focal length and the aperture.
  const quorvel::NumberFormat& format = (data[0] & 1) != 0 ? kComma : quorvel::kPlainFormat;
  std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  std::size_t split = rest.find('\n');
  std::string_view focal = rest.substr(0, split);
  std::string_view aperture =
      split == std::string_view::npos ? std::string_view{} : rest.substr(split + 1);
  std::string caption;
  try {
    caption = quorvel::CalcHyperfocal(focal, aperture, format);
  } catch (const quorvel::CalcError&) {
    return 0;
  }
  try {
    CheckCaption(caption);
  } catch (const quorvel::CalcError&) {
    std::abort();
  }
  return 0;
}
