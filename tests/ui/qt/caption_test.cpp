// SPDX-License-Identifier: MIT
// Every caption of both windows is whole, whatever faces the machine has:
// CTest runs this under fontconfig setups that hold only DejaVu or only Noto
// (tests/ui/qt/fonts/) and at several scales, as well as with the test
// machine's own fonts.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "tests/ui/qt/form1_fixture.h"
#include "ui/qt/form_builder.h"

namespace quorvel::ui::qt {
namespace {

using CaptionTest = Form1Fixture;

TEST_F(CaptionTest, EveryCaptionIsWhole) {
  // The widest result of the worked ones, and the About window open.
  Control<QLineEdit>("iFocal")->setText(QStringLiteral("1000"));
  Control<QLineEdit>("iAperature")->setText(QStringLiteral("1"));
  Control<QPushButton>("cCalculate")->click();
  ASSERT_EQ(Control<QLabel>("iHyper")->text(), " 10936.67 ft.");
  form_->handlers().Contact_Click();
  ASSERT_NE(AboutDialog(), nullptr);

  int checked = 0;
  for (QWidget* window :
       {static_cast<QWidget*>(form_.get()), static_cast<QWidget*>(AboutDialog())}) {
    for (QLabel* label : window->findChildren<QLabel*>()) {
      if (label->text().isEmpty())
        continue;
      ++checked;
      EXPECT_TRUE(CaptionFits(label))
          << label->objectName().toStdString() << " \"" << label->text().toStdString() << "\" in "
          << QFontInfo(label->font()).family().toStdString() << " " << label->font().pointSizeF()
          << " pt, " << label->width() << " x " << label->height();
    }
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
      QString text = button->text().remove(QLatin1Char('&'));
      EXPECT_LT(button->fontMetrics().horizontalAdvance(text), button->width())
          << button->objectName().toStdString();
    }
  }
  EXPECT_EQ(checked, 10) << "every caption of both windows";
}

}  // namespace
}  // namespace quorvel::ui::qt
