// SPDX-License-Identifier: MIT
#include "ui/qt/about_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "tests/support/recording_desktop.h"
#include "ui/about_table.h"
#include "ui/qt/form1_window.h"

namespace quorvel::ui::qt {
namespace {

class AboutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<Form1Window>(desktop_);
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
  }
  void TearDown() override {
    form_.reset();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  frmAbout* ChooseAbout() {
    form_->contactItem()->trigger();
    frmAbout* about = form_->handlers().about();
    EXPECT_NE(about, nullptr);
    EXPECT_NE(Dialog(about), nullptr);
    if (Dialog(about)) {
      EXPECT_TRUE(QTest::qWaitForWindowExposed(Dialog(about)));
    }
    return about;
  }
  // The loaded window's dialog and controls; nullptr while unloaded.
  static QDialog* Dialog(frmAbout* about) {
    auto* window = static_cast<AboutWindow*>(about->window());
    return window ? window->dialog() : nullptr;
  }
  static QWidget* Control(frmAbout* about, std::string_view name) {
    auto* window = static_cast<AboutWindow*>(about->window());
    return window ? window->control(name) : nullptr;
  }
  // Lets the unloaded window be deleted, as the event loop would.
  static void Settle() { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

  static QString Text(frmAbout* about, std::string_view name) {
    return qobject_cast<QLabel*>(Control(about, name))->text();
  }
  static int OpenAboutWindows() {
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->objectName() == "frmAbout" && window->isVisible())
        ++count;
    }
    return count;
  }

  testing::RecordingDesktop desktop_;
  std::unique_ptr<Form1Window> form_;
};

TEST_F(AboutTest, LoadBuildsTheTextsFromTheIdentity) {
  frmAbout* about = ChooseAbout();
  EXPECT_EQ(Dialog(about)->windowTitle(), "About Quorvel");
  EXPECT_EQ(Text(about, "lblVersion"), "Version 1.0.0");
  EXPECT_EQ(Text(about, "lblTitle"), "Quorvel");
  EXPECT_TRUE(Text(about, "lblDescription").startsWith("This application calculates"));
  EXPECT_TRUE(qobject_cast<QLabel*>(Control(about, "lblDescription"))->wordWrap());
  EXPECT_EQ(QApplication::focusWidget(), Control(about, "cmdOK"));
}

TEST_F(AboutTest, WindowAndControlsFollowTheTable) {
  frmAbout* about = ChooseAbout();
  QDialog* window = Dialog(about);
  EXPECT_EQ(window->geometry(), QRect(2340 / 15, 1935 / 15, 5340 / 15, 2910 / 15));
  EXPECT_FALSE(window->isModal());
  EXPECT_EQ(window->parentWidget(), nullptr);
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);
  for (const ControlRow& row : kAboutControls) {
    QWidget* widget = Control(about, row.name);
    ASSERT_NE(widget, nullptr) << row.name;
    EXPECT_EQ(widget->geometry(),
              QRect(row.left / 15, row.top / 15, row.width / 15, row.height / 15))
        << row.name;
  }
  auto* web = qobject_cast<QLabel*>(Control(about, "Label1"));
  EXPECT_TRUE(web->font().underline());
  EXPECT_EQ(web->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  EXPECT_EQ(web->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
  EXPECT_EQ(Control(about, "Line1(1)")->palette().color(QPalette::Window), QColor(128, 128, 128));
  EXPECT_EQ(Control(about, "Line1(0)")->palette().color(QPalette::Window), QColor(255, 255, 255));
  EXPECT_TRUE(qobject_cast<QPushButton*>(Control(about, "cmdOK"))->isDefault());
  QTest::keyClick(Control(about, "cmdOK"), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Control(about, "picIcon"));
}

TEST_F(AboutTest, ThePictureIsMadeOnceForTheRun) {
  // Each load shows the same pixmap: a new one each time would take a new
  // slot in the pixmap cache at every opening.
  qint64 first = 0;
  for (int load = 0; load < 3; ++load) {
    frmAbout* about = ChooseAbout();
    const QPixmap picture = qobject_cast<QLabel*>(Control(about, "picIcon"))->pixmap();
    ASSERT_FALSE(picture.isNull());
    if (load == 0)
      first = picture.cacheKey();
    EXPECT_EQ(picture.cacheKey(), first) << "load " << load;
    QTest::mouseClick(Control(about, "cmdOK"), Qt::LeftButton);
    Settle();
  }
}

TEST_F(AboutTest, ChoosingAboutAgainLeavesOneWindow) {
  frmAbout* first = ChooseAbout();
  QDialog* window = Dialog(first);
  frmAbout* second = ChooseAbout();
  EXPECT_EQ(first, second);
  EXPECT_EQ(Dialog(second), window);
  EXPECT_EQ(OpenAboutWindows(), 1);
}

TEST_F(AboutTest, OkEnterEscapeAndCloseBoxUnloadAndAboutReloads) {
  struct Closer {
    const char* how;
    void (*close)(frmAbout*);
  };
  const Closer closers[] = {
      {"OK", [](frmAbout* a) { QTest::mouseClick(Control(a, "cmdOK"), Qt::LeftButton); }},
      {"Enter", [](frmAbout* a) { QTest::keyClick(Dialog(a), Qt::Key_Return); }},
      {"Esc", [](frmAbout* a) { QTest::keyClick(Dialog(a), Qt::Key_Escape); }},
      {"close box", [](frmAbout* a) { Dialog(a)->close(); }},
  };
  for (const auto& closer : closers) {
    frmAbout* about = ChooseAbout();
    QPointer<QDialog> window = Dialog(about);
    // Texts and place changed while open must be built afresh by the next load.
    qobject_cast<QLabel*>(Control(about, "lblVersion"))->setText("stale");
    Dialog(about)->move(10, 10);
    closer.close(about);
    Settle();
    EXPECT_EQ(Dialog(about), nullptr) << closer.how;
    EXPECT_TRUE(window.isNull()) << closer.how;
    EXPECT_EQ(OpenAboutWindows(), 0) << closer.how;

    frmAbout* again = ChooseAbout();
    EXPECT_EQ(again, about) << "one About object for the whole run";
    EXPECT_EQ(Text(again, "lblVersion"), "Version 1.0.0") << closer.how;
    EXPECT_EQ(Dialog(again)->geometry().topLeft(), QPoint(2340 / 15, 1935 / 15)) << closer.how;
    QTest::mouseClick(Control(again, "cmdOK"), Qt::LeftButton);
    Settle();
  }
}

TEST_F(AboutTest, MainWindowStaysUsableWhileAboutIsOpen) {
  frmAbout* about = ChooseAbout();
  auto* focal = qobject_cast<QLineEdit*>(form_->control("iFocal"));
  auto* aperture = qobject_cast<QLineEdit*>(form_->control("iAperature"));
  focal->setText("200");
  aperture->setText("2.8");
  QTest::mouseClick(form_->control("cCalculate"), Qt::LeftButton);
  EXPECT_EQ(qobject_cast<QLabel*>(form_->control("iHyper"))->text(), " 156.24 ft.");
  EXPECT_NE(Dialog(about), nullptr);
}

TEST_F(AboutTest, ClickingTheWebAddressDoesNothing) {
  frmAbout* about = ChooseAbout();
  QTest::mouseClick(Control(about, "Label1"), Qt::LeftButton);
  EXPECT_NE(Dialog(about), nullptr);
  EXPECT_TRUE(desktop_.messages.empty());
}

TEST_F(AboutTest, ProgramEndsWhenTheLastWindowCloses) {
  // The end of the program on the last close is the event loop's, so this
  // runs one: it must end by itself once both windows are closed.
  QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
  int closedWithAboutOpen = -1;
  QTimer::singleShot(0, form_.get(), [&] {
    frmAbout* about = ChooseAbout();
    form_->close();
    QTimer::singleShot(50, Dialog(about), [&, about] {
      closedWithAboutOpen = static_cast<int>(lastClosed.count());
      QTest::mouseClick(Control(about, "cmdOK"), Qt::LeftButton);
    });
  });
  QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(2); });
  EXPECT_EQ(QApplication::exec(), 0) << "the program did not end";
  EXPECT_EQ(closedWithAboutOpen, 0) << "closing the main window alone must not end it";
  EXPECT_EQ(lastClosed.count(), 1);
}

TEST_F(AboutTest, CarriesTheRegistryReaderAndTheToolLauncher) {
  // The object's operations use no control: they work while it is unloaded,
  // and on this platform's registry (empty here) the tool is unavailable.
  frmAbout* about = ChooseAbout();
  Control(about, "cmdOK")->setFocus();
  QTest::keyClick(Control(about, "cmdOK"), Qt::Key_Escape);
  Settle();
  ASSERT_EQ(Dialog(about), nullptr);

  std::string keyVal = "old";
  EXPECT_FALSE(
      about->GetKeyValue(sysinfo::kLocalMachine, sysinfo::kToolKey, sysinfo::kToolValue, keyVal));
  EXPECT_EQ(keyVal, "");
  about->StartSysInfo();
  ASSERT_EQ(desktop_.messages.size(), 1u);
  EXPECT_EQ(desktop_.messages[0].text, "System Information Is Unavailable At This Time");
  EXPECT_EQ(desktop_.messages[0].caption, "Quorvel");
  EXPECT_EQ(Dialog(about), nullptr) << "the operations must not load the window";
}

}  // namespace
}  // namespace quorvel::ui::qt
