// SPDX-License-Identifier: MIT
#include "ui/qt/about_window.h"

#include <QLabel>
#include <QPushButton>

#include "ui/about_table.h"
#include "ui/qt/qt_text.h"

namespace quorvel::ui::qt {

AboutWindow::AboutWindow(frmAbout& handlers, const QPixmap& picture)
    : dialog_(new QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                       Qt::WindowCloseButtonHint |
                                       Qt::MSWindowsFixedSizeDialogHint)) {
  dialog_->setObjectName(QStringLiteral("frmAbout"));
  dialog_->setModal(false);
  dialog_->setFont(MakeFont({}));
  double dpi = dialog_->logicalDpiY();
  controls_ = BuildControls(dialog_, kAboutControls, dpi, picture);
  title_ = controls_.get<QLabel>("lblTitle");
  version_ = controls_.get<QLabel>("lblVersion");
  QRect client = ToQRect(ClientPixels(kAboutWindow, dpi));
  client.moveTo(TwipsToPixels(kAboutLeft, dpi), TwipsToPixels(kAboutTop, dpi));
  dialog_->setFixedSize(client.size());
  dialog_->setGeometry(client);

  auto* ok = controls_.get<QPushButton>("cmdOK");
  QObject::connect(ok, &QPushButton::clicked, dialog_, [&handlers] { handlers.cmdOK_Click(); });
  // The close box, and Esc where the dialog sees it first, end up here too.
  QObject::connect(dialog_, &QDialog::finished, dialog_, [&handlers] { handlers.Unload(); });
  ok->setFocus();
}

AboutWindow::~AboutWindow() {
  if (!dialog_)
    return;
  // Closed, not only hidden, so that the program ends if it was the last
  // window; deleted later, not now, as this may run inside one of the
  // dialog's own handlers.
  dialog_->disconnect();
  dialog_->close();
  dialog_->deleteLater();
}

void AboutWindow::SetText(AboutText which, std::string_view text) {
  switch (which) {
    case AboutText::WindowCaption:
      dialog_->setWindowTitle(ToQString(text));
      break;
    case AboutText::Title:
      title_->setText(ToQString(text));
      break;
    case AboutText::Version:
      version_->setText(ToQString(text));
      break;
  }
}

void AboutWindow::Show() {
  dialog_->show();
  dialog_->raise();
  dialog_->activateWindow();
}

}  // namespace quorvel::ui::qt
