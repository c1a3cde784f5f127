// SPDX-License-Identifier: MIT
#include "ui/frm_about.h"

#include <utility>

#include "app/identity.h"
#include "app/translation.h"

namespace quorvel::ui {

frmAbout::frmAbout(AboutViewFactory makeView, const sysinfo::SysInfoServices& services)
    : makeView_(std::move(makeView)), services_(services) {}

bool frmAbout::GetKeyValue(sysinfo::RegKey KeyRoot, const std::string& KeyName,
                           const std::string& SubKeyRef, std::string& KeyVal) {
  return sysinfo::GetKeyValue(services_.registry, KeyRoot, KeyName, SubKeyRef, KeyVal);
}

void frmAbout::StartSysInfo() {
  sysinfo::StartSysInfo(services_);
}

void frmAbout::Show() {
  if (!window_) {
    window_ = makeView_(*this);
    Form_Load();
  }
  window_->Show();
}

void frmAbout::Form_Load() {
  const std::string_view title = AppIdentity::title;
  const std::string number = std::to_string(AppIdentity::major) + "." +
                             std::to_string(AppIdentity::minor) + "." +
                             std::to_string(AppIdentity::revision);
  window_->SetText(AboutText::WindowCaption, Fill(Tr("About %1"), {title}));
  window_->SetText(AboutText::Version, Fill(Tr("Version %1"), {number}));
  window_->SetText(AboutText::Title, title);
  window_->SetText(AboutText::Summary, Fill(Tr("%1, Version %2"), {title, number}));
}

void frmAbout::cmdOK_Click() {
  Unload();
}

void frmAbout::Unload() {
  // Moved out first: destroying the window may report its closing back here.
  std::unique_ptr<AboutView> closing = std::move(window_);
}

}  // namespace quorvel::ui
