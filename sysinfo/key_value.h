// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "sysinfo/registry.h"

namespace quorvel::sysinfo {

// The size of the buffer a value is read into; a longer value is not read.
inline constexpr std::uint32_t kValueBufferSize = 1024;

// Reads the value `SubKeyRef` of the key `KeyName` under `KeyRoot` into
// `KeyVal` as text and gives true, or gives false with `KeyVal` empty when
// the key or value is missing, the key refuses reading, or the value is
// longer than kValueBufferSize bytes. A string keeps every byte but a closing
// NUL; a 4-byte DWORD becomes its unsigned decimal digits; an empty value
// becomes the empty text; any other type leaves `KeyVal` as it was. The key
// is opened for reading only and is always closed.
bool GetKeyValue(Registry& registry, RegKey KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal);

}  // namespace quorvel::sysinfo
