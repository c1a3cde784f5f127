// SPDX-License-Identifier: MIT
#include "app/number_format.h"

#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <utility>

namespace quorvel {
namespace {

struct UserFormat {
  std::mutex mutex;
  // Every separator read so far. The formats given out view them, so none is
  // ever dropped; a user switches among a few at most.
  std::set<std::string, std::less<>> separators;
  std::string_view current;

  // Keeps `read` (or "." for nothing) and makes it the current separator.
  void Set(std::string read) {
    if (read.empty())
      read = ".";
    current = *separators.insert(std::move(read)).first;
  }
};

UserFormat& TheUserFormat() {
  static UserFormat format;
  return format;
}

}  // namespace

NumberFormat UserNumberFormat() {
  UserFormat& format = TheUserFormat();
  std::lock_guard lock(format.mutex);
  if (format.current.empty())
    format.Set(detail::ReadUserDecimalSeparator());
  return {format.current};
}

void RefreshUserNumberFormat() {
  std::string read = detail::ReadUserDecimalSeparator();
  UserFormat& format = TheUserFormat();
  std::lock_guard lock(format.mutex);
  format.Set(std::move(read));
}

}  // namespace quorvel
