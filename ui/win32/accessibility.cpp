// SPDX-License-Identifier: MIT
#include "ui/win32/accessibility.h"

#include <initguid.h>
#include <objbase.h>
#include <oleacc.h>

#include "ui/win32/system_function.h"
#include "ui/win32/text.h"

namespace quorvel::ui::win32 {

namespace {

// COM, loaded when annotating starts rather than with the program: a DLL the
// program imports is loaded at every start, needed or not.
struct Com {
  HMODULE module = LoadLibraryW(L"ole32.dll");
  decltype(&CoInitializeEx) initialize =
      FindFunction<decltype(&CoInitializeEx)>(module, "CoInitializeEx");
  decltype(&CoCreateInstance) create =
      FindFunction<decltype(&CoCreateInstance)>(module, "CoCreateInstance");
  decltype(&CoUninitialize) uninitialize =
      FindFunction<decltype(&CoUninitialize)>(module, "CoUninitialize");

  bool loaded() const { return initialize && create && uninitialize; }
};

const Com& LoadCom() {
  static const Com com;
  return com;
}

}  // namespace

AccessibleNames::~AccessibleNames() {
  if (services_)
    services_->Release();
  if (comStarted_)
    LoadCom().uninitialize();
}

void AccessibleNames::Set(HWND control, std::string_view name) {
  std::wstring& stored = names_[control];
  stored = Wide(name);
  if (started_)
    Annotate(control, stored);
}

void AccessibleNames::StartIfScreenReader() {
  BOOL screenReader = FALSE;
  if (SystemParametersInfoW(SPI_GETSCREENREADER, 0, &screenReader, 0) && screenReader)
    Start();
}

void AccessibleNames::Start() {
  // With nothing to name, COM is not worth loading.
  if (started_ || names_.empty())
    return;
  started_ = true;
  const Com& com = LoadCom();
  if (!com.loaded())
    return;
  comStarted_ = SUCCEEDED(com.initialize(nullptr, COINIT_APARTMENTTHREADED));
  if (FAILED(com.create(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                        reinterpret_cast<void**>(&services_))))
    services_ = nullptr;
  for (const auto& [control, name] : names_)
    Annotate(control, name);
}

void AccessibleNames::Annotate(HWND control, const std::wstring& name) const {
  if (services_) {
    services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                              PROPID_ACC_NAME, name.c_str());
  }
}

}  // namespace quorvel::ui::win32
