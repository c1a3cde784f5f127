// SPDX-License-Identifier: MIT
#include "ui/qt/form1_window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "app/calc_error.h"
#include "tests/ui/qt/form1_fixture.h"
#include "ui/form1_table.h"
#include "ui/qt/qt_desktop.h"

namespace quorvel::ui::qt {
namespace {

class Form1Test : public Form1Fixture {
 protected:
  QLineEdit* focal() const { return Control<QLineEdit>("iFocal"); }
  QLineEdit* aperture() const { return Control<QLineEdit>("iAperature"); }
  QLabel* result() const { return Control<QLabel>("iHyper"); }

  void Type(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->clear();
    QTest::keyClicks(box, text);
  }
  void Compute(const QString& focalText, const QString& apertureText) {
    Type(focal(), focalText);
    Type(aperture(), apertureText);
    QTest::mouseClick(Control<QPushButton>("cCalculate"), Qt::LeftButton);
  }
};

TEST_F(Form1Test, EveryControlSitsAtItsTableRectangleAt96Dpi) {
  ASSERT_EQ(form_->centralWidget()->logicalDpiY(), 96);
  for (const ControlRow& row : kForm1Controls) {
    QWidget* widget = Control(row.name);
    ASSERT_NE(widget, nullptr) << row.name;
    EXPECT_EQ(widget->geometry(),
              QRect(row.left / 15, row.top / 15, row.width / 15, row.height / 15))
        << row.name;
    QWidget* expectedParent = row.parent.empty() ? form_->centralWidget() : Control(row.parent);
    EXPECT_EQ(widget->parentWidget(), expectedParent) << row.name;
  }
  EXPECT_EQ(form_->centralWidget()->size(), QSize(4950 / 15, 3510 / 15));
  EXPECT_EQ(form_->windowTitle(), "Morlith");
}

TEST_F(Form1Test, CaptionsFontsAndAlignment) {
  struct Expected {
    const char* name;
    const char* text;
    double points;
    bool bold;
    Qt::Alignment horizontal;
  };
  const Expected rows[] = {
      {"Label3", "Morlith", 12, true, Qt::AlignLeft},
      {"Label1", "Enter your focal length: ", 9.75, false, Qt::AlignRight},
      {"Label4", "  mm", 8.25, false, Qt::AlignLeft},
      {"Label2", "Enter your aperature (F/_)", 9.75, false, Qt::AlignRight},
      {"iHyper", "", 9.75, true, Qt::AlignLeft},
  };
  for (const auto& row : rows) {
    auto* label = Control<QLabel>(row.name);
    ASSERT_NE(label, nullptr) << row.name;
    EXPECT_EQ(label->text(), row.text) << row.name;
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), row.points) << row.name;
    EXPECT_EQ(label->font().bold(), row.bold) << row.name;
    EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, row.horizontal) << row.name;
    EXPECT_EQ(label->focusPolicy(), Qt::NoFocus) << row.name;
  }
  EXPECT_EQ(Control<QGroupBox>("Frame1")->title(), "Frame1");
  EXPECT_EQ(Control<QPushButton>("cCalculate")->text(), "&Calculate");
  EXPECT_EQ(Control<QPushButton>("cBye")->text(), "E&xit");
  EXPECT_TRUE(focal()->text().isEmpty());
  EXPECT_TRUE(aperture()->text().isEmpty());
  EXPECT_NE(result()->frameShape(), QFrame::NoFrame);
  EXPECT_EQ(result()->palette().color(QPalette::Window),
            QApplication::palette().color(QPalette::HighlightedText));
  for (const char* button : {"cCalculate", "cBye"}) {
    EXPECT_FALSE(Control<QPushButton>(button)->isDefault()) << button;
    EXPECT_FALSE(Control<QPushButton>(button)->autoDefault()) << button;
  }
}

TEST_F(Form1Test, FocusStartsInTheFocalLengthAndTabsInTableOrder) {
  EXPECT_EQ(QApplication::focusWidget(), focal());
  const char* order[] = {"iAperature", "cCalculate", "cBye", "iFocal"};
  for (const char* next : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), next);
  }
}

TEST_F(Form1Test, WorkedRowsThroughTheWindow) {
  const char* rows[][3] = {
      {"50", "8", " 3.42 ft."}, {"200", "2.8", " 156.24 ft."}, {"24", "1.4", " 4.5 ft."},
      {"0", "8", " 0 ft."},     {"50", "-8", "-3.42 ft."},     {"1000", "1", " 10936.67 ft."},
  };
  for (const auto& row : rows) {
    Compute(row[0], row[1]);
    EXPECT_EQ(result()->text(), row[2]) << row[0] << " " << row[1];
  }
  EXPECT_TRUE(desktop_.messages.empty());
  EXPECT_TRUE(result()->accessibleName().endsWith("10936.67 ft."));
}

TEST_F(Form1Test, AccessKeysComputeAndExit) {
  // An access key presses its button the way a click does, after the short
  // pressed-down animation.
  Type(focal(), "35");
  Type(aperture(), "11");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return result()->text() == " 1.22 ft."; }, 2000));
  result()->clear();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return result()->text() == " 1.22 ft."; }, 2000))
      << "pressing again gives the same caption";
  EXPECT_EQ(desktop_.endProgramCalls, 0);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_X, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return desktop_.endProgramCalls == 1; }, 2000));
}

TEST_F(Form1Test, EnterAndEscapeDoNothingSpecial) {
  Type(focal(), "50");
  Type(aperture(), "8");
  QTest::keyClick(aperture(), Qt::Key_Return);
  QTest::keyClick(aperture(), Qt::Key_Escape);
  EXPECT_TRUE(result()->text().isEmpty());
  EXPECT_EQ(desktop_.endProgramCalls, 0);
}

TEST_F(Form1Test, HelpMenuAndF1DoNothing) {
  QMenu* menu = form_->menuBar()->findChild<QMenu*>("Menu");
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->title(), "&Help");
  ASSERT_EQ(menu->actions().size(), 2);
  EXPECT_EQ(menu->actions()[0]->text(), "Quorvel He&lp");
  EXPECT_EQ(menu->actions()[0]->shortcut(), QKeySequence(Qt::Key_F1));
  EXPECT_EQ(menu->actions()[1]->text(), "About");

  QSignalSpy helpChosen(form_->findChild<QAction*>("Help"), &QAction::triggered);
  QTest::keyClick(form_.get(), Qt::Key_F1);
  EXPECT_EQ(helpChosen.count(), 1) << "F1 reaches the help item";
  EXPECT_TRUE(desktop_.messages.empty());
  EXPECT_EQ(form_->handlers().about(), nullptr);
  EXPECT_TRUE(form_->isVisible());
}

TEST_F(Form1Test, BadInputIsReportedAndTheWindowGoesOn) {
  Compute("50", "8");
  ASSERT_EQ(result()->text(), " 3.42 ft.");

  struct Bad {
    const char* focal;
    const char* aperture;
    CalcError::Kind kind;
    const char* atFault;
  };
  const Bad cases[] = {
      {"", "", CalcError::Kind::TypeMismatch, "iFocal"},
      {"5O", "8", CalcError::Kind::TypeMismatch, "iFocal"},
      {"50", "f8", CalcError::Kind::TypeMismatch, "iAperature"},
      {"50", "0", CalcError::Kind::DivisionByZero, "iAperature"},
  };
  for (const auto& bad : cases) {
    desktop_.messages.clear();
    Compute(bad.focal, bad.aperture);
    ASSERT_EQ(desktop_.messages.size(), 1u) << bad.focal << "/" << bad.aperture;
    const auto& message = desktop_.messages.front();
    EXPECT_EQ(message.kind, MessageKind::Error);
    EXPECT_EQ(message.caption, "Quorvel");
    EXPECT_NE(message.text.find(std::to_string(ErrorNumber(bad.kind))), std::string::npos)
        << message.text;
    EXPECT_EQ(result()->text(), " 3.42 ft.") << "the result keeps its caption";
    EXPECT_TRUE(form_->isVisible());
    EXPECT_EQ(desktop_.endProgramCalls, 0);
    auto* box = Control<QLineEdit>(bad.atFault);
    EXPECT_EQ(QApplication::focusWidget(), box) << bad.focal << "/" << bad.aperture;
    EXPECT_EQ(box->selectedText(), box->text());
  }
  Compute("35", "2");
  EXPECT_EQ(result()->text(), " 6.7 ft.") << "the program still answers";
}

TEST_F(Form1Test, InputsAreNamedByTheirPrompts) {
  auto name = [](QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).trimmed();
  };
  EXPECT_EQ(name(focal()), "Enter your focal length:");
  EXPECT_EQ(name(aperture()), "Enter your aperature (F/_)");
  EXPECT_EQ(name(Control("cCalculate")), "Calculate");
  EXPECT_EQ(name(Control("cBye")), "Exit");
  EXPECT_EQ(name(result()), "Hyperfocal distance");
}

TEST_F(Form1Test, EachResultIsAlsoANotificationForScreenReaders) {
  // That it is shown to them at each result is checked on the accessibility
  // bus, by the end-to-end test: offscreen, Qt tells no one.
  auto* notification = form_->findChild<QWidget*>("quorvel_announcement");
  ASSERT_NE(notification, nullptr);
  QAccessibleInterface* node = QAccessible::queryAccessibleInterface(notification);
  EXPECT_EQ(node->role(), QAccessible::Notification);
  Compute("50", "8");
  EXPECT_EQ(node->text(QAccessible::Name), "Hyperfocal distance: 3.42 ft.");
  EXPECT_TRUE(notification->isVisible());
  EXPECT_EQ(notification->focusPolicy(), Qt::NoFocus);
}

TEST_F(Form1Test, ScreenReadersWalkTheWindowInReadingOrder) {
  auto children = [](QWidget* widget) {
    QStringList names;
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
    for (int i = 0; i < node->childCount(); ++i)
      names << node->child(i)->object()->objectName();
    return names;
  };
  EXPECT_EQ(children(form_->centralWidget()),
            (QStringList{"Label3", "Frame1", "cBye", "quorvel_announcement"}));
  // The unit after its box, though it lies beneath the box where they overlap.
  EXPECT_EQ(children(Control("Frame1")), (QStringList{"Label1", "iFocal", "Label4", "Label2",
                                                      "iAperature", "cCalculate", "iHyper"}));
  QAccessibleInterface* box = QAccessible::queryAccessibleInterface(focal());
  EXPECT_EQ(box->text(QAccessible::Description), "millimetres");
}

TEST_F(Form1Test, ALargerMenuFontLeavesTheClientAreaWhole) {
  // As a desktop's font reaches the menu bar once the window is built.
  QFont large = form_->menuBar()->font();
  large.setPointSizeF(16);
  form_->menuBar()->setFont(large);
  QApplication::processEvents();
  EXPECT_GE(form_->centralWidget()->height(), 3510 / 15);
  EXPECT_GE(form_->centralWidget()->width(), 4950 / 15);
  QRect exit = Control("cBye")->geometry();
  EXPECT_TRUE(form_->centralWidget()->rect().contains(exit)) << "Exit is cut off";
}

TEST_F(Form1Test, TheResultHasADarkOneLineBorderOnAllFourSides) {
  QImage picture = result()->grab().toImage();
  const int w = picture.width();
  const int h = picture.height();
  const QPoint edges[] = {{w / 2, 0}, {w / 2, h - 1}, {0, h / 2}, {w - 1, h / 2}};
  for (QPoint edge : edges)
    EXPECT_LT(qGray(picture.pixel(edge)), 100) << edge.x() << "," << edge.y();
  EXPECT_GT(qGray(picture.pixel(w / 2, 1)), 200) << "one pixel wide, inside is the background";
  EXPECT_GT(qGray(picture.pixel(w - 2, h / 2)), 200);
}

TEST_F(Form1Test, OneFaceThroughoutMenusAndMessageBoxesIncluded) {
  const QFont face = MakeFont({});
  auto same = [&face](const QFont& font) {
    return font.families() == face.families() && font.pointSizeF() == face.pointSizeF();
  };
  EXPECT_TRUE(same(form_->menuBar()->font())) << form_->menuBar()->font().toString().toStdString();
  EXPECT_TRUE(same(form_->menuBar()->findChild<QMenu*>("Menu")->font()));
  EXPECT_TRUE(same(Control("Label4")->font()));

  // The real message box, closed from inside its own event loop.
  QFont boxFont;
  QTimer::singleShot(0, form_.get(), [&boxFont] {
    QWidget* box = QApplication::activeModalWidget();
    ASSERT_NE(box, nullptr);
    boxFont = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->font();
    box->close();
  });
  QtDesktop().ShowMessageBox(MessageKind::Error, "Quorvel", "Error 1001");
  EXPECT_TRUE(same(boxFont)) << boxFont.toString().toStdString();
}

TEST_F(Form1Test, ResizingMovesNoControl) {
  QRect before = Control("cBye")->geometry();
  form_->resize(form_->size() * 2);
  QApplication::processEvents();
  EXPECT_EQ(Control("cBye")->geometry(), before);
  form_->resize(100, 80);
  QApplication::processEvents();
  EXPECT_EQ(Control("cBye")->geometry(), before);
}

}  // namespace
}  // namespace quorvel::ui::qt
