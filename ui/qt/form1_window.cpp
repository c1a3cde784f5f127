// SPDX-License-Identifier: MIT
#include "ui/qt/form1_window.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>

#include "app/translation.h"
#include "ui/form1_table.h"
#include "ui/qt/about_window.h"
#include "ui/qt/app_icon.h"
#include "ui/qt/qt_text.h"

namespace quorvel::ui::qt {

Form1Window::Form1Window(Desktop& desktop, QWidget* parent)
    : QMainWindow(parent),
      icon_(AppIcon(qApp->devicePixelRatio())),
      handlers_(*this, desktop, [this](frmAbout& about) { return MakeAboutWindow(about); }) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(ToQString(kForm1Window.caption));
  setWindowIcon(icon_);

  QMenu* menu = menuBar()->addMenu(ToQString(Tr(kMenuCaption)));
  menu->setObjectName(QStringLiteral("Menu"));
  QAction* help = menu->addAction(ToQString(Tr(kHelpItemCaption)));
  help->setObjectName(QStringLiteral("Help"));
  help->setShortcut(QKeySequence(Qt::Key_F1));
  QAction* contact = menu->addAction(ToQString(Tr(kContactItemCaption)));
  contact->setObjectName(QStringLiteral("Contact"));
  connect(contact, &QAction::triggered, this, [this] { handlers_.Contact_Click(); });

  auto* client = new QWidget(this);
  dpi_ = client->logicalDpiY();
  const double dpi = dpi_;
  client->setMinimumSize(ToQRect(ClientPixels(kForm1Window, dpi)).size());
  setCentralWidget(client);
  Controls controls = BuildControls(client, kForm1Controls, kForm1Window, dpi);

  focal_ = controls.get<QLineEdit>("iFocal");
  aperture_ = controls.get<QLineEdit>("iAperature");
  result_ = controls.get<QLabel>("iHyper");
  result_->setAccessibleName(ToQString(ResultAccessibleName({})));
  announcer_ = std::make_unique<Announcer>(client);

  connect(controls.get<QPushButton>("cCalculate"), &QPushButton::clicked, this,
          [this] { handlers_.cCalculate_Click(); });
  connect(controls.get<QPushButton>("cBye"), &QPushButton::clicked, this,
          [this] { handlers_.cBye_Click(); });

  // The window opens with the client area of the table, below the menu bar;
  // it may then grow or shrink, and the controls stay where they are.
  resize(sizeHint());
  client->setMinimumSize(0, 0);
  menuHeight_ = height() - ToQRect(ClientPixels(kForm1Window, dpi)).height();
  menuBar()->installEventFilter(this);
  focal_->setFocus();
}

bool Form1Window::eventFilter(QObject* watched, QEvent* event) {
  // The menu bar grows with a larger font than the window's own, which a
  // desktop may give it when it is first shown or later: the window grows
  // with it, so that the client area below it stays whole.
  if (watched == menuBar() && event->type() == QEvent::Resize && !isMaximized() &&
      !isFullScreen()) {
    int height = static_cast<QResizeEvent*>(event)->size().height();
    if (height != menuHeight_) {
      resize(width(), this->height() + height - menuHeight_);
      menuHeight_ = height;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void Form1Window::closeEvent(QCloseEvent* event) {
  handlers_.Form_Unload();
  QMainWindow::closeEvent(event);
}

Form1Window::~Form1Window() = default;

QLineEdit* Form1Window::box(Box which) const {
  return which == Box::Aperture ? aperture_ : focal_;
}

std::string Form1Window::BoxText(Box which) const {
  return box(which)->text().toStdString();
}

void Form1Window::SetResult(std::string_view caption, std::string_view accessibleName) {
  result_->setText(ToQString(caption));
  FitCaption(result_, kForm1Controls, *FindRow(kForm1Controls, "iHyper"), kForm1Window, dpi_);
  result_->setAccessibleName(ToQString(accessibleName));
  // A screen reader speaks the result at once, wherever the focus is.
  announcer_->Announce(ToQString(accessibleName));
}

void Form1Window::FocusAndSelect(Box which) {
  QLineEdit* atFault = box(which);
  // The window first: a desktop without a window manager gives the focus to
  // no window when the message box before this closes.
  activateWindow();
  atFault->setFocus();
  atFault->selectAll();
}

std::unique_ptr<AboutView> Form1Window::MakeAboutWindow(frmAbout& about) {
  if (picture_.isNull())
    picture_ = icon_.pixmap(QSize(32, 32), qApp->devicePixelRatio());
  return std::make_unique<AboutWindow>(about, picture_);
}

}  // namespace quorvel::ui::qt
