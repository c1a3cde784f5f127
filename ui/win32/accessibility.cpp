// SPDX-License-Identifier: MIT
#include "ui/win32/accessibility.h"

#include <initguid.h>
#include <oleacc.h>

#include "ui/win32/text.h"

namespace quorvel::ui::win32 {

void SetAccessibleName(HWND control, std::string_view name) {
  // The annotation service lives for the run; COM is initialised by then.
  static IAccPropServices* services = [] {
    IAccPropServices* made = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&made))))
      return static_cast<IAccPropServices*>(nullptr);
    return made;
  }();
  if (!services)
    return;
  std::wstring wide = Wide(name);
  services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME,
                           wide.c_str());
}

}  // namespace quorvel::ui::win32
