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

// UI Automation's LiveSetting property, which the annotation service carries
// to it; and the event that says a live region changed. Windows before 8 know
// neither, and pass both over.
constexpr GUID kLiveSettingProperty{
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr DWORD kLiveRegionChanged = 0x8019;

}  // namespace

AccessibleNames::~AccessibleNames() {
  if (services_)
    services_->Release();
  if (comStarted_)
    LoadCom().uninitialize();
}

void AccessibleNames::Set(HWND control, std::string_view name) {
  Store({control, Property::Name}, name);
}

void AccessibleNames::SetDescription(HWND control, std::string_view description) {
  Store({control, Property::Description}, description);
}

void AccessibleNames::SetLive(HWND control) {
  Store({control, Property::Live}, {});
}

void AccessibleNames::Store(Key key, std::string_view text) {
  std::wstring& stored = texts_[key];
  stored = Wide(text);
  if (started_)
    Annotate(key, stored);
}

void AccessibleNames::StartIfScreenReader() {
  BOOL screenReader = FALSE;
  if (SystemParametersInfoW(SPI_GETSCREENREADER, 0, &screenReader, 0) && screenReader)
    Start();
}

void AccessibleNames::Start() {
  // With nothing to annotate, COM is not worth loading.
  if (started_ || texts_.empty())
    return;
  started_ = true;
  const Com& com = LoadCom();
  if (!com.loaded())
    return;
  comStarted_ = SUCCEEDED(com.initialize(nullptr, COINIT_APARTMENTTHREADED));
  if (FAILED(com.create(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                        reinterpret_cast<void**>(&services_))))
    services_ = nullptr;
  for (const auto& [key, text] : texts_)
    Annotate(key, text);
}

void AccessibleNames::Annotate(const Key& key, const std::wstring& text) const {
  if (!services_)
    return;
  auto [control, property] = key;
  if (property == Property::Live) {
    VARIANT polite{};
    polite.vt = VT_I4;
    polite.lVal = 1;  // LiveSetting: Polite
    services_->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                           kLiveSettingProperty, polite);
    return;
  }
  services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                            property == Property::Name ? PROPID_ACC_NAME : PROPID_ACC_DESCRIPTION,
                            text.c_str());
}

void NotifyLiveRegion(HWND control) {
  NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
  NotifyWinEvent(kLiveRegionChanged, control, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace quorvel::ui::win32
