// SPDX-License-Identifier: MIT
// Both windows in the user's language: the access keys of each window stay
// unique, Arabic mirrors the windows with numbers kept left to right, and
// the pseudo-language shows that no text a person sees or hears escapes the
// catalogues.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <memory>
#include <vector>

#include "tests/ui/qt/form1_fixture.h"
#include "tests/ui/qt/scoped_language.h"
#include "ui/about_table.h"
#include "ui/form1_table.h"
#include "ui/layout.h"

namespace quorvel::ui::qt {
namespace {

class LanguageTest : public Form1Fixture {
 protected:
  void SetUp() override {}
  void TearDown() override {
    Form1Fixture::TearDown();
    language_.reset();
  }
  // Opens the main window, and About too, in `language`.
  void OpenIn(const char* language) {
    language_ = std::make_unique<ScopedLanguage>(language);
    ASSERT_TRUE(language_->loaded()) << language;
    Open();
    form_->findChild<QAction*>("Contact")->trigger();
    ASSERT_NE(AboutDialog(), nullptr);
  }
  void Compute(const char* focal, const char* aperture) {
    Control<QLineEdit>("iFocal")->setText(focal);
    Control<QLineEdit>("iAperature")->setText(aperture);
    Control<QPushButton>("cCalculate")->click();
  }

  std::unique_ptr<ScopedLanguage> language_;
};

// The access key of a caption, as Alt and it press the control: "&Berechnen"
// gives B, "計算(&C)" C.
QChar AccessKey(const QString& text) {
  QKeySequence key = QKeySequence::mnemonic(text);
  return key.isEmpty() ? QChar() : QChar(key[0].key()).toLower();
}

TEST_F(LanguageTest, AccessKeysAreUniqueInEachWindowInEveryLanguage) {
  for (const char* language : kLanguages) {
    if (!*language)
      continue;
    OpenIn(language);
    // Alt with a key reaches the menu bar and the buttons of the window; the
    // open menu's items have keys of their own.
    QMenu* menu = form_->menuBar()->findChild<QMenu*>("Menu");
    std::vector<std::vector<QString>> scopes = {
        {menu->title(), Control<QPushButton>("cCalculate")->text(),
         Control<QPushButton>("cBye")->text()},
        {menu->actions()[0]->text(), menu->actions()[1]->text()},
        {AboutControl<QPushButton>("cmdOK")->text()},
    };
    for (const auto& scope : scopes) {
      QSet<QChar> keys;
      for (const QString& text : scope) {
        QChar key = AccessKey(text);
        if (key.isNull())
          continue;
        EXPECT_FALSE(keys.contains(key)) << language << ": " << text.toStdString();
        keys.insert(key);
      }
    }
    for (const char* button : {"cCalculate", "cBye"})
      EXPECT_FALSE(AccessKey(Control<QPushButton>(button)->text()).isNull()) << language;
    EXPECT_FALSE(AccessKey(menu->title()).isNull()) << language;
    TearDown();
  }
}

TEST_F(LanguageTest, JapaneseAndChineseWriteTheAccessKeyAfterTheCaption) {
  for (const char* language : {"ja", "zh_CN"}) {
    OpenIn(language);
    EXPECT_TRUE(Control<QPushButton>("cCalculate")->text().endsWith("(&C)")) << language;
    EXPECT_TRUE(Control<QPushButton>("cBye")->text().endsWith("(&X)")) << language;
    TearDown();
  }
}

TEST_F(LanguageTest, ArabicMirrorsBothWindowsFromTheirTables) {
  OpenIn("ar");
  ASSERT_EQ(form_->layoutDirection(), Qt::RightToLeft);
  const double dpi = form_->centralWidget()->logicalDpiY();
  for (const ControlRow& row : kForm1Controls) {
    EXPECT_EQ(Control(row.name)->geometry(),
              ToQRect(ToPixels(kForm1Controls, row, kForm1Window, dpi, Direction::RightToLeft)))
        << row.name;
  }
  for (const ControlRow& row : kAboutControls) {
    EXPECT_EQ(AboutControl(row.name)->geometry(),
              ToQRect(ToPixels(kAboutControls, row, kAboutWindow, dpi, Direction::RightToLeft)))
        << row.name;
  }
  // Each prompt right of its box; Exit at the left, flush with the frame.
  EXPECT_GT(Control("Label1")->x(), Control("iFocal")->x());
  EXPECT_GT(Control("Label2")->x(), Control("iAperature")->x());
  EXPECT_EQ(Control("cBye")->x(), Control("Frame1")->x());
  EXPECT_GT(AboutControl("picIcon")->x(), AboutControl("lblTitle")->x());
  // The menu bar and its menu read from the right.
  EXPECT_EQ(form_->menuBar()->layoutDirection(), Qt::RightToLeft);
  EXPECT_EQ(form_->menuBar()->findChild<QMenu*>("Menu")->layoutDirection(), Qt::RightToLeft);

  // The numbers, the result and the web address stay left to right, aligned
  // as the mirror image of the table; the icon is not turned about.
  for (const char* name : {"iFocal", "iAperature", "iHyper"})
    EXPECT_EQ(Control(name)->layoutDirection(), Qt::LeftToRight) << name;
  // Aligned as the mirror image of the table, whatever the text's direction.
  auto aligned = [](QWidget* label) {
    return qobject_cast<QLabel*>(label)->alignment() & Qt::AlignHorizontal_Mask;
  };
  EXPECT_EQ(aligned(Control("iHyper")), Qt::AlignRight | Qt::AlignAbsolute);
  EXPECT_EQ(aligned(Control("Label3")), Qt::AlignRight | Qt::AlignAbsolute) << "the heading";
  EXPECT_EQ(aligned(Control("Label1")), Qt::AlignLeft | Qt::AlignAbsolute) << "a prompt";
  EXPECT_EQ(aligned(AboutControl("lblTitle")), Qt::AlignRight | Qt::AlignAbsolute);
  auto* web = AboutControl<QLabel>("Label1");
  EXPECT_EQ(web->layoutDirection(), Qt::LeftToRight);
  EXPECT_EQ(aligned(web), Qt::AlignLeft | Qt::AlignAbsolute);
  EXPECT_EQ(AboutControl("lblDescription")->layoutDirection(), Qt::RightToLeft);
  QImage icon = AboutControl<QLabel>("picIcon")->pixmap().toImage();
  EXPECT_EQ(icon, form_->windowIcon().pixmap(QSize(32, 32)).toImage());

  Compute("50", "-8");
  EXPECT_EQ(Control<QLabel>("iHyper")->text(), "-3.42 ft.") << "the result keeps its form";
  EXPECT_EQ(Control<QLabel>("iHyper")->accessibleName(),
            QString::fromUtf8("المسافة فوق البؤرية: -3.42 ft."));

  // The tab order and the reading order stay the table's.
  AboutDialog()->close();
  Settle();
  form_->activateWindow();
  Control("iFocal")->setFocus();
  for (const char* next : {"iAperature", "cCalculate", "cBye", "iFocal"}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), next);
  }
}

// Whether `text` comes from the pseudo catalogue: "[" and "]" around it, as
// scripts/translations.py writes them, and nothing outside but blanks.
bool Marked(const QString& text) {
  QString trimmed = text.trimmed();
  return trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'));
}

TEST_F(LanguageTest, NoTextEscapesTheCatalogues) {
  OpenIn("qps_ploc");
  Compute("50", "8");
  // The names stay as they are, and so does the result, a number and its
  // unit; everything else a person sees or hears is marked.
  const QSet<QString> names = {"Morlith", "Quorvel", "Frame1", "www.quorvel.example", " 3.42 ft."};
  int seen = 0;
  auto check = [&](const QString& where, const QString& text) {
    if (text.isEmpty() || names.contains(text))
      return;
    ++seen;
    EXPECT_TRUE(Marked(text)) << where.toStdString() << ": \"" << text.toStdString() << "\"";
  };
  for (QWidget* window :
       {static_cast<QWidget*>(form_.get()), static_cast<QWidget*>(AboutDialog())}) {
    check(QStringLiteral("window title"), window->windowTitle());
    check(QStringLiteral("window description"), window->accessibleDescription());
    for (QWidget* widget : window->findChildren<QWidget*>()) {
      QString name = widget->objectName();
      if (auto* label = qobject_cast<QLabel*>(widget))
        check(name, label->text());
      if (auto* button = qobject_cast<QPushButton*>(widget))
        check(name, button->text());
      if (auto* frame = qobject_cast<QGroupBox*>(widget))
        check(name, frame->title());
      QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
      check(name + " (spoken)", node->text(QAccessible::Name));
      check(name + " (described)", node->text(QAccessible::Description));
    }
  }
  QMenu* menu = form_->menuBar()->findChild<QMenu*>("Menu");
  check(QStringLiteral("menu"), menu->title());
  for (QAction* action : menu->actions())
    check(action->objectName(), action->text());
  EXPECT_GE(seen, 25);

  // The message boxes: an error report, and the tool that is unavailable.
  Compute("", "8");
  form_->handlers().about()->StartSysInfo();
  ASSERT_EQ(desktop_.messages.size(), 2u);
  for (const auto& message : desktop_.messages) {
    EXPECT_EQ(message.caption, "Quorvel");
    EXPECT_TRUE(Marked(QString::fromStdString(message.text))) << message.text;
  }
  EXPECT_NE(desktop_.messages[0].text.find("1001"), std::string::npos);
}

}  // namespace
}  // namespace quorvel::ui::qt
