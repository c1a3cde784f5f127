// SPDX-License-Identifier: MIT
#include "ui/form1.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include "calc/hyperfocal.h"
#include "ui/about_window.h"
#include "ui/app_icon.h"
#include "ui/form1_table.h"
#include "ui/handler_guard.h"
#include "ui/qt_text.h"

namespace quorvel::ui {
namespace {

// What a screen reader says for the result label: what it is, then the result.
QString ResultAccessibleName(const QString& caption) {
  QString name = QStringLiteral("Hyperfocal distance");
  return caption.isEmpty() ? name : name + QLatin1Char(':') + caption;
}

}  // namespace

Form1::Form1(Desktop& desktop, QWidget* parent) : QMainWindow(parent), desktop_(desktop) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(ToQString(kForm1Window.caption));
  setWindowIcon(AppIcon());

  QMenu* menu = menuBar()->addMenu(QStringLiteral("&Help"));
  menu->setObjectName(QStringLiteral("Menu"));
  help_ = menu->addAction(QStringLiteral("Quorvel He&lp"));
  help_->setObjectName(QStringLiteral("Help"));
  help_->setShortcut(QKeySequence(Qt::Key_F1));
  contact_ = menu->addAction(QStringLiteral("About"));
  contact_->setObjectName(QStringLiteral("Contact"));
  connect(contact_, &QAction::triggered, this, &Form1::Contact_Click);

  auto* client = new QWidget(this);
  client->setFont(MakeFont({}));
  double dpi = client->logicalDpiY();
  client->setMinimumSize(TwipsToPixels(kForm1Window.clientWidth, dpi),
                         TwipsToPixels(kForm1Window.clientHeight, dpi));
  setCentralWidget(client);
  controls_ = BuildControls(client, kForm1Controls, dpi);

  auto* focal = controls_.get<QLineEdit>("iFocal");
  auto* aperture = controls_.get<QLineEdit>("iAperature");
  controls_.get<QLabel>("Label1")->setBuddy(focal);
  controls_.get<QLabel>("Label2")->setBuddy(aperture);
  controls_["iHyper"]->setAccessibleName(ResultAccessibleName({}));

  connect(controls_.get<QPushButton>("cCalculate"), &QPushButton::clicked, this,
          &Form1::cCalculate_Click);
  connect(controls_.get<QPushButton>("cBye"), &QPushButton::clicked, this, &Form1::cBye_Click);

  // The window opens with the client area of the table, below the menu bar;
  // it may then grow or shrink, and the controls stay where they are.
  resize(sizeHint());
  client->setMinimumSize(0, 0);
  focal->setFocus();
}

Form1::~Form1() = default;

void Form1::cCalculate_Click() {
  auto* focal = controls_.get<QLineEdit>("iFocal");
  auto* aperture = controls_.get<QLineEdit>("iAperature");
  auto* result = controls_.get<QLabel>("iHyper");
  auto error = RunGuarded(desktop_, [&] {
    std::string caption =
        CalcHyperfocal(focal->text().toStdString(), aperture->text().toStdString());
    result->setText(QString::fromStdString(caption));
    // Screen readers announce the change of name.
    result->setAccessibleName(ResultAccessibleName(result->text()));
  });
  if (error) {
    QLineEdit* atFault = error->argument() == kApertureArgument ? aperture : focal;
    atFault->setFocus();
    atFault->selectAll();
  }
}

void Form1::cBye_Click() {
  desktop_.EndProgram();
}

void Form1::Contact_Click() {
  RunGuarded(desktop_, [&] {
    if (!about_)
      about_ = std::make_unique<frmAbout>(desktop_);
    about_->Show();
  });
}

}  // namespace quorvel::ui
