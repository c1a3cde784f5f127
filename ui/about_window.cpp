// SPDX-License-Identifier: MIT
#include "ui/about_window.h"

#include <QLabel>
#include <QPushButton>

#include "app/identity.h"
#include "ui/about_table.h"
#include "ui/qt_text.h"

namespace quorvel::ui {

frmAbout::frmAbout(Desktop& desktop)
    : services_{sysinfo::SystemRegistry(), probe_, launcher_, desktop} {}

frmAbout::frmAbout(const sysinfo::SysInfoServices& services) : services_(services) {}

frmAbout::~frmAbout() {
  delete window_;
}

QWidget* frmAbout::control(std::string_view name) const {
  return window_ ? controls_[name] : nullptr;
}

void frmAbout::Show() {
  if (!window_)
    Load();
  window_->show();
  window_->raise();
  window_->activateWindow();
}

bool frmAbout::GetKeyValue(sysinfo::RegKey KeyRoot, const std::string& KeyName,
                           const std::string& SubKeyRef, std::string& KeyVal) {
  return sysinfo::GetKeyValue(services_.registry, KeyRoot, KeyName, SubKeyRef, KeyVal);
}

void frmAbout::StartSysInfo() {
  sysinfo::StartSysInfo(services_);
}

void frmAbout::Load() {
  window_ = new QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                     Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  window_->setObjectName(QStringLiteral("frmAbout"));
  window_->setModal(false);
  window_->setFont(MakeFont({}));
  double dpi = window_->logicalDpiY();
  controls_ = BuildControls(window_, kAboutControls, dpi);
  QRect client(TwipsToPixels(kAboutLeft, dpi), TwipsToPixels(kAboutTop, dpi),
               TwipsToPixels(kAboutWindow.clientWidth, dpi),
               TwipsToPixels(kAboutWindow.clientHeight, dpi));
  window_->setFixedSize(client.size());
  window_->setGeometry(client);

  connect(controls_.get<QPushButton>("cmdOK"), &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
  // The close box, and Esc where the dialog sees it first, end up here too.
  connect(window_, &QDialog::finished, this, &frmAbout::Unload);
  Form_Load();
  controls_["cmdOK"]->setFocus();
}

void frmAbout::Form_Load() {
  window_->setWindowTitle(QStringLiteral("About ") + ToQString(AppIdentity::title));
  controls_.get<QLabel>("lblVersion")
      ->setText(QStringLiteral("Version %1.%2.%3")
                    .arg(AppIdentity::major)
                    .arg(AppIdentity::minor)
                    .arg(AppIdentity::revision));
  controls_.get<QLabel>("lblTitle")->setText(ToQString(AppIdentity::title));
}

void frmAbout::cmdOK_Click() {
  window_->close();
}

void frmAbout::Unload() {
  if (!window_)
    return;
  QDialog* closing = window_;
  window_ = nullptr;
  controls_ = {};
  closing->hide();
  closing->deleteLater();
}

}  // namespace quorvel::ui
