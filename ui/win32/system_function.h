// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace quorvel::ui::win32 {

// The function `name` of `module` as a `Function`, looked up at run time; nullptr
// when the module is not loaded or this Windows lacks the function.
template <typename Function>
Function FindFunction(HMODULE module, const char* name) {
  return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                : nullptr;
}

}  // namespace quorvel::ui::win32
