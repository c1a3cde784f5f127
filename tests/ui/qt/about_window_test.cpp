// SPDX-License-Identifier: MIT
#include "ui/qt/about_window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>

#include "tests/ui/qt/form1_fixture.h"
#include "ui/about_table.h"
#include "ui/qt/form1_window.h"
#include "ui/qt/program.h"

namespace quorvel::ui::qt {
namespace {

class AboutTest : public Form1Fixture {
 protected:
  // Chooses About in the menu, and gives the one About object.
  frmAbout* ChooseAbout() {
    form_->findChild<QAction*>("Contact")->trigger();
    frmAbout* about = form_->handlers().about();
    EXPECT_NE(about, nullptr);
    EXPECT_NE(AboutDialog(), nullptr);
    if (AboutDialog()) {
      EXPECT_TRUE(QTest::qWaitForWindowExposed(AboutDialog()));
    }
    return about;
  }

  static QString Text(std::string_view name) { return AboutControl<QLabel>(name)->text(); }
  static int OpenAboutWindows() {
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->objectName() == "frmAbout" && window->isVisible())
        ++count;
    }
    return count;
  }
};

TEST_F(AboutTest, LoadBuildsTheTextsFromTheIdentity) {
  ChooseAbout();
  EXPECT_EQ(AboutDialog()->windowTitle(), "About Quorvel");
  EXPECT_EQ(Text("lblVersion"), "Version 1.0.0");
  EXPECT_EQ(Text("lblTitle"), "Quorvel");
  EXPECT_TRUE(Text("lblDescription").startsWith("This application calculates"));
  EXPECT_TRUE(AboutControl<QLabel>("lblDescription")->wordWrap());
  EXPECT_EQ(QApplication::focusWidget(), AboutControl("cmdOK"));
}

TEST_F(AboutTest, WindowAndControlsFollowTheTable) {
  ChooseAbout();
  QDialog* window = AboutDialog();
  EXPECT_EQ(window->geometry(), QRect(2340 / 15, 1935 / 15, 5340 / 15, 2910 / 15));
  EXPECT_FALSE(window->isModal());
  EXPECT_EQ(window->parentWidget(), nullptr);
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);
  for (const ControlRow& row : kAboutControls) {
    QWidget* widget = AboutControl(row.name);
    ASSERT_NE(widget, nullptr) << row.name;
    EXPECT_EQ(widget->geometry(),
              QRect(row.left / 15, row.top / 15, row.width / 15, row.height / 15))
        << row.name;
  }
  auto* web = AboutControl<QLabel>("Label1");
  EXPECT_TRUE(web->font().underline());
  EXPECT_EQ(web->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  EXPECT_EQ(web->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
  EXPECT_EQ(AboutControl("Line1(1)")->palette().color(QPalette::Window), QColor(128, 128, 128));
  EXPECT_EQ(AboutControl("Line1(0)")->palette().color(QPalette::Window), QColor(255, 255, 255));
  EXPECT_TRUE(qobject_cast<QPushButton*>(AboutControl("cmdOK"))->isDefault());
  QTest::keyClick(AboutControl("cmdOK"), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), AboutControl("picIcon"));
}

// The icon takes the focus with Tab, and shows it: the style's focus
// rectangle just inside its frame, in the classic style and in one that
// shows it only to the keyboard (and tints what it holds). The frame stays.
TEST_F(AboutTest, TheIconShowsTheFocusWhenItHasIt) {
  for (const char* styleName : {"Windows", "Fusion"}) {
    ChooseAbout();
    auto* icon = AboutControl<QLabel>("picIcon");
    std::unique_ptr<QStyle> style(QStyleFactory::create(styleName));
    ASSERT_NE(style, nullptr) << styleName;
    icon->setStyle(style.get());
    ASSERT_EQ(QApplication::focusWidget(), AboutControl("cmdOK"));
    const QImage unfocused = icon->grab().toImage();
    QTest::keyClick(AboutControl("cmdOK"), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), icon) << styleName;
    const QImage focused = icon->grab().toImage();
    ASSERT_EQ(focused.size(), unfocused.size());

    const QRect ring = icon->contentsRect();
    int changedOnRing = 0;
    int changedOutside = 0;
    for (int y = 0; y < focused.height(); ++y) {
      for (int x = 0; x < focused.width(); ++x) {
        if (focused.pixel(x, y) == unfocused.pixel(x, y))
          continue;
        if (!ring.contains(x, y))
          ++changedOutside;
        else if (!ring.adjusted(2, 2, -2, -2).contains(x, y))
          ++changedOnRing;
      }
    }
    EXPECT_GE(changedOnRing, ring.width()) << styleName << ": no focus rectangle";
    EXPECT_EQ(changedOutside, 0) << styleName << ": the frame changed";

    QTest::keyClick(icon, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), AboutControl("cmdOK")) << styleName;
    EXPECT_EQ(icon->grab().toImage(), unfocused) << styleName << ": the rectangle stays";
    icon->setStyle(nullptr);
    QTest::mouseClick(AboutControl("cmdOK"), Qt::LeftButton);
    Settle();
  }
}

TEST_F(AboutTest, ScreenReadersWalkItInReadingOrderAndHearTheTitleAndVersion) {
  ChooseAbout();
  QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(AboutDialog());
  QStringList names;
  for (int i = 0; i < dialog->childCount(); ++i)
    names << dialog->child(i)->object()->objectName();
  EXPECT_EQ(names, (QStringList{"picIcon", "lblTitle", "lblVersion", "lblDescription",
                                "lblDisclaimer", "Label1", "cmdOK", "Line1(0)", "Line1(1)"}));
  EXPECT_EQ(dialog->text(QAccessible::Description), "Quorvel, Version 1.0.0");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(AboutControl("picIcon"))->text(QAccessible::Name),
            "Quorvel icon");
}

TEST_F(AboutTest, ThePictureIsMadeOnceForTheRun) {
  // Each load shows the same pixmap: a new one each time would take a new
  // slot in the pixmap cache at every opening.
  qint64 first = 0;
  for (int load = 0; load < 3; ++load) {
    ChooseAbout();
    const QPixmap picture = AboutControl<QLabel>("picIcon")->pixmap();
    ASSERT_FALSE(picture.isNull());
    if (load == 0)
      first = picture.cacheKey();
    EXPECT_EQ(picture.cacheKey(), first) << "load " << load;
    QTest::mouseClick(AboutControl("cmdOK"), Qt::LeftButton);
    Settle();
  }
}

TEST_F(AboutTest, ChoosingAboutAgainLeavesOneWindow) {
  frmAbout* first = ChooseAbout();
  QDialog* window = AboutDialog();
  frmAbout* second = ChooseAbout();
  EXPECT_EQ(first, second);
  EXPECT_EQ(AboutDialog(), window);
  EXPECT_EQ(OpenAboutWindows(), 1);
}

// A window manager that ignores the hints gives About a minimise button; the
// About command, and closing the main window, bring a minimised About back.
TEST_F(AboutTest, AMinimisedAboutIsRestoredRaisedAndActivated) {
  const struct {
    const char* how;
    void (*bringBack)(Form1Window&);
  } ways[] = {
      {"About again", [](Form1Window& form) { form.findChild<QAction*>("Contact")->trigger(); }},
      {"the main window closed", [](Form1Window& form) { form.close(); }},
  };
  for (const auto& way : ways) {
    ChooseAbout();
    QDialog* window = AboutDialog();
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    window->setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(window->isMinimized());
    way.bringBack(*form_);
    EXPECT_FALSE(window->isMinimized()) << way.how;
    EXPECT_TRUE(window->isVisible()) << way.how;
    EXPECT_TRUE(QTest::qWaitForWindowActive(window)) << way.how;
    EXPECT_EQ(OpenAboutWindows(), 1) << way.how;
  }
}

TEST_F(AboutTest, OkEnterEscapeAndCloseBoxUnloadAndAboutReloads) {
  struct Closer {
    const char* how;
    void (*close)();
  };
  const Closer closers[] = {
      {"OK", [] { QTest::mouseClick(AboutControl("cmdOK"), Qt::LeftButton); }},
      {"Enter", [] { QTest::keyClick(AboutDialog(), Qt::Key_Return); }},
      {"Esc", [] { QTest::keyClick(AboutDialog(), Qt::Key_Escape); }},
      {"close box", [] { AboutDialog()->close(); }},
  };
  for (const auto& closer : closers) {
    frmAbout* about = ChooseAbout();
    QPointer<QDialog> window = AboutDialog();
    // Texts and place changed while open must be built afresh by the next load.
    AboutControl<QLabel>("lblVersion")->setText("stale");
    AboutDialog()->move(10, 10);
    QAccessible::Id id = QAccessible::uniqueId(QAccessible::queryAccessibleInterface(window));
    closer.close();
    Settle();
    EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr)
        << closer.how << ": a screen reader could still reach the closed window";
    EXPECT_EQ(about->window(), nullptr) << closer.how;
    EXPECT_EQ(AboutDialog(), nullptr) << closer.how;
    EXPECT_TRUE(window.isNull()) << closer.how;
    EXPECT_EQ(OpenAboutWindows(), 0) << closer.how;

    frmAbout* again = ChooseAbout();
    EXPECT_EQ(again, about) << "one About object for the whole run";
    EXPECT_EQ(Text("lblVersion"), "Version 1.0.0") << closer.how;
    EXPECT_EQ(AboutDialog()->geometry().topLeft(), QPoint(2340 / 15, 1935 / 15)) << closer.how;
    QTest::mouseClick(AboutControl("cmdOK"), Qt::LeftButton);
    Settle();
  }
}

TEST_F(AboutTest, MainWindowStaysUsableWhileAboutIsOpen) {
  ChooseAbout();
  auto* focal = Control<QLineEdit>("iFocal");
  auto* aperture = Control<QLineEdit>("iAperature");
  focal->setText("200");
  aperture->setText("2.8");
  QTest::mouseClick(Control("cCalculate"), Qt::LeftButton);
  EXPECT_EQ(Control<QLabel>("iHyper")->text(), " 156.24 ft.");
  EXPECT_NE(AboutDialog(), nullptr);
}

TEST_F(AboutTest, ClickingTheWebAddressDoesNothing) {
  ChooseAbout();
  QTest::mouseClick(AboutControl("Label1"), Qt::LeftButton);
  EXPECT_NE(AboutDialog(), nullptr);
  EXPECT_TRUE(desktop_.messages.empty());
}

TEST_F(AboutTest, ProgramEndsWhenTheLastWindowCloses) {
  // The end of the program on the last close is the event loop's, so this
  // runs one: it must end by itself once both windows are closed.
  QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
  int closedWithAboutOpen = -1;
  QTimer::singleShot(0, form_.get(), [&] {
    ChooseAbout();
    form_->close();
    QTimer::singleShot(50, AboutDialog(), [&] {
      closedWithAboutOpen = static_cast<int>(lastClosed.count());
      QTest::mouseClick(AboutControl("cmdOK"), Qt::LeftButton);
    });
  });
  QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(2); });
  EXPECT_EQ(QApplication::exec(), 0) << "the program did not end";
  EXPECT_EQ(closedWithAboutOpen, 0) << "closing the main window alone must not end it";
  EXPECT_EQ(lastClosed.count(), 1);
}

// The whole run: About opened, then Exit. The program ends, and no window
// is left behind, About's included, though Exit ends the event loop that
// would have deleted it.
TEST(ProgramTest, ExitWithAboutOpenLeavesNoWindowBehind) {
  QTimer::singleShot(0, qApp, [] {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->objectName() == QLatin1String("Form1")) {
        window->findChild<QAction*>("Contact")->trigger();
        window->findChild<QPushButton*>("cBye")->click();
      }
    }
  });
  QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(2); });
  EXPECT_EQ(RunProgram(), 0);
  QStringList left;
  for (QWidget* window : QApplication::topLevelWidgets())
    left << window->objectName();
  EXPECT_FALSE(left.contains("frmAbout")) << left.join(", ").toStdString();
  EXPECT_FALSE(left.contains("Form1")) << left.join(", ").toStdString();
}

TEST_F(AboutTest, CarriesTheRegistryReaderAndTheToolLauncher) {
  // The object's operations use no control: they work while it is unloaded,
  // and on this platform's registry (empty here) the tool is unavailable.
  frmAbout* about = ChooseAbout();
  AboutControl("cmdOK")->setFocus();
  QTest::keyClick(AboutControl("cmdOK"), Qt::Key_Escape);
  Settle();
  ASSERT_EQ(AboutDialog(), nullptr);

  std::string keyVal = "old";
  EXPECT_FALSE(
      about->GetKeyValue(sysinfo::kLocalMachine, sysinfo::kToolKey, sysinfo::kToolValue, keyVal));
  EXPECT_EQ(keyVal, "");
  about->StartSysInfo();
  ASSERT_EQ(desktop_.messages.size(), 1u);
  EXPECT_EQ(desktop_.messages[0].text, "System Information Is Unavailable At This Time");
  EXPECT_EQ(desktop_.messages[0].caption, "Quorvel");
  EXPECT_EQ(AboutDialog(), nullptr) << "the operations must not load the window";
}

}  // namespace
}  // namespace quorvel::ui::qt
