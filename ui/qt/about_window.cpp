// SPDX-License-Identifier: MIT
#include "ui/qt/about_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <xcb/xcb.h>

#include "ui/about_table.h"
#include "ui/qt/qt_text.h"

namespace quorvel::ui::qt {
namespace {

// Asks an X11 desktop to keep `window` out of its task bar, as an owned
// window is kept out of it on Windows; its title bar and close box stay as
// they are (a tool window would lose them). Elsewhere it does nothing.
void KeepOutOfTaskBar(QWidget* window) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (QGuiApplication::platformName() != QLatin1String("xcb") || !x11 || !x11->connection())
    return;
  xcb_connection_t* connection = x11->connection();
  auto atom = [connection](const char* name) {
    xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  };
  xcb_atom_t state = atom("_NET_WM_STATE");
  xcb_atom_t skipTaskBar = atom("_NET_WM_STATE_SKIP_TASKBAR");
  if (state == XCB_ATOM_NONE || skipTaskBar == XCB_ATOM_NONE)
    return;
  // The window is not mapped yet, so it may set its own state; Qt keeps what
  // it finds there when it maps the window.
  auto id = static_cast<xcb_window_t>(window->winId());
  xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, state, XCB_ATOM_ATOM, 32, 1,
                      &skipTaskBar);
  xcb_flush(connection);
}

}  // namespace

AboutWindow::AboutWindow(frmAbout& handlers, const QPixmap& picture)
    : dialog_(new QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                       Qt::WindowCloseButtonHint |
                                       Qt::MSWindowsFixedSizeDialogHint)) {
  dialog_->setObjectName(QStringLiteral("frmAbout"));
  dialog_->setModal(false);
  double dpi = dialog_->logicalDpiY();
  Controls controls = BuildControls(dialog_, kAboutControls, kAboutWindow, dpi, picture);
  title_ = controls.get<QLabel>("lblTitle");
  version_ = controls.get<QLabel>("lblVersion");
  QRect client = ToQRect(ClientPixels(kAboutWindow, kAboutPlace, dpi));
  dialog_->setFixedSize(client.size());
  dialog_->setGeometry(client);

  auto* ok = controls.get<QPushButton>("cmdOK");
  QObject::connect(ok, &QPushButton::clicked, dialog_, [&handlers] { handlers.cmdOK_Click(); });
  // The close box and Esc, which the dialog itself takes for a cancel, end
  // up here.
  QObject::connect(dialog_, &QDialog::finished, dialog_, [&handlers] { handlers.Unload(); });
  ok->setFocus();
  KeepOutOfTaskBar(dialog_);
}

AboutWindow::~AboutWindow() {
  if (!dialog_)
    return;
  // Closed, not only hidden, so that the program ends if it was the last
  // window; deleted later, not now, as this may run inside one of the
  // dialog's own handlers. Only this window's own connections are cut: Qt's
  // accessibility cache listens for the dialog's end, and cut off from it,
  // it would hand a stale entry to the next window made at the same address.
  dialog_->disconnect(dialog_);
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
      FitCaption(title_, kAboutControls, *FindRow(kAboutControls, "lblTitle"), kAboutWindow,
                 dialog_->logicalDpiY());
      break;
    case AboutText::Version:
      version_->setText(ToQString(text));
      FitCaption(version_, kAboutControls, *FindRow(kAboutControls, "lblVersion"), kAboutWindow,
                 dialog_->logicalDpiY());
      break;
    case AboutText::Summary:
      dialog_->setAccessibleDescription(ToQString(text));
      break;
  }
}

void AboutWindow::Show() {
  // Restored first: shown or raised, a minimised window stays minimised.
  dialog_->setWindowState(dialog_->windowState() & ~Qt::WindowMinimized);
  dialog_->show();
  dialog_->raise();
  dialog_->activateWindow();
}

}  // namespace quorvel::ui::qt
