// SPDX-License-Identifier: MIT
// Every caption of both windows is whole, in every language, whatever faces
// the machine has: CTest runs this under fontconfig setups that hold only
// DejaVu or only Noto, with Noto CJK as a Japanese or Chinese desktop has it
// (tests/ui/qt/fonts/), and at several scales, as well as with the test
// machine's own fonts. No caption is set below 8 points to get there.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "tests/ui/qt/form1_fixture.h"
#include "tests/ui/qt/scoped_language.h"
#include "ui/qt/form_builder.h"

namespace quorvel::ui::qt {
namespace {

class CaptionTest : public Form1Fixture, public ::testing::WithParamInterface<const char*> {
 protected:
  void SetUp() override {
    language_ = std::make_unique<ScopedLanguage>(GetParam());
    ASSERT_TRUE(language_->loaded() || *GetParam() == '\0');
    Open();
  }
  void TearDown() override {
    Form1Fixture::TearDown();
    language_.reset();
  }

  std::unique_ptr<ScopedLanguage> language_;
};

TEST_P(CaptionTest, EveryCaptionIsWhole) {
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
      EXPECT_GE(label->font().pointSizeF(), 8.0) << label->objectName().toStdString();
      EXPECT_TRUE(CaptionFits(label))
          << label->objectName().toStdString() << " \"" << label->text().toStdString() << "\" in "
          << QFontInfo(label->font()).family().toStdString() << " " << label->font().pointSizeF()
          << " pt, " << label->width() << " x " << label->height();
    }
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
      QString text = button->text().remove(QLatin1Char('&'));
      QRect needed = button->fontMetrics().boundingRect(text);
      EXPECT_LT(needed.width(), button->width()) << button->text().toStdString();
      EXPECT_LT(button->fontMetrics().height(), button->height()) << button->text().toStdString();
    }
  }
  EXPECT_EQ(checked, 10) << "every caption of both windows";
}

INSTANTIATE_TEST_SUITE_P(Languages, CaptionTest, ::testing::ValuesIn(kLanguages), LanguageName);

}  // namespace
}  // namespace quorvel::ui::qt
