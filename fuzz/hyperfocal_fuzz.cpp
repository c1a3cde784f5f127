// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to CalcHyperfocal as the two texts. Every outcome must
// be a CalcError, or a caption made of a blank or a minus sign, a number that
// ToNumber reads back, and " ft.". Each text is also read by ToNumber and by
// the C library's strtod in the "C" locale (with a decimal comma turned into
// a point): where ToNumber gives a number, strtod must give the same one;
// where it reports an overflow, strtod must overflow too.
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "app/calc_error.h"
#include "app/number_services.h"
#include "calc/hyperfocal.h"

#include <locale.h>

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

// Reads `text` with ToNumber and with strtod, and stops the run where they
// disagree. Texts that ToNumber rejects are left alone: strtod reads more
// forms ("0x1p3", "inf") than a user may type. So are texts beyond ASCII,
// whose digits of other scripts and Unicode spaces strtod does not know.
void CompareWithStrtod(std::string_view text, const quorvel::NumberFormat& format) {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  std::string copy(text);
  if (std::strlen(copy.c_str()) != copy.size())
    return;  // a NUL inside: strtod would see only what comes before it
  for (char& byte : copy) {
    if (static_cast<unsigned char>(byte) >= 0x80)
      return;
    if (byte == format.decimal[0])
      byte = '.';
  }
  double ours = 0.0;
  bool overflow = false;
  try {
    ours = quorvel::ToNumber(text, format);
  } catch (const quorvel::CalcError& error) {
    if (error.kind() != quorvel::CalcError::Kind::Overflow)
      return;
    overflow = true;
  }
  char* end = nullptr;
  errno = 0;
  double theirs = strtod_l(copy.c_str(), &end, c);
  // The blanks ToNumber allows after a number: ASCII's are the C locale's
  // white space, which strtod allows before one.
  while (*end != '\0' && std::strchr(" \t\n\v\f\r", *end) != nullptr)
    ++end;
  if (*end != '\0')
    std::abort();
  if (overflow != (std::isinf(theirs) && errno == ERANGE))
    std::abort();
  if (!overflow && (ours != theirs || std::signbit(ours) != std::signbit(theirs)))
    std::abort();
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
  CompareWithStrtod(focal, format);
  CompareWithStrtod(aperture, format);
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
