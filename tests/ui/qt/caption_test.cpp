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

#include "app/number_format.h"
#include "calc/hyperfocal.h"
#include "tests/ui/qt/form1_fixture.h"
#include "tests/ui/qt/scoped_language.h"
#include "ui/form1.h"
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

// A result of any magnitude, both signs, up to the largest the program
// computes (about 10^305 feet): whole, at 8 points or more and no narrower
// than 70 %, on one line or its number over its unit, in a box that stays in
// its frame clear of the other controls. The worked examples keep the
// table's box and one line, also after a large result.
TEST_P(CaptionTest, AResultOfAnyMagnitudeIsWhole) {
  auto* result = Control<QLabel>("iHyper");
  const QRect box = result->geometry();
  QWidget* frame = Control("Frame1");
  const struct {
    const char* focal;
    const char* aperture;
    bool worked;  // a result that fits the table's box
  } results[] = {
      {"0", "8", true},     {"1", "1", true},      {"1000", "1", true},    {"5000", "1", false},
      {"1e5", "-1", false}, {"1e6", "1", false},   {"1e7", "-1", false},   {"1e8", "1", false},
      {"1e10", "1", false}, {"1e15", "-1", false}, {"1e150", "-1", false}, {"1e154", "4", false},
      {"50", "8", true},    {"200", "2.8", true},  {"50", "-8", true},     {"1000", "-1", true},
  };
  for (const auto& r : results) {
    Control<QLineEdit>("iFocal")->setText(QString::fromLatin1(r.focal));
    Control<QLineEdit>("iAperature")->setText(QString::fromLatin1(r.aperture));
    Control<QPushButton>("cCalculate")->click();
    const QString caption = ToQString(CalcHyperfocal(r.focal, r.aperture, kPlainFormat));
    const std::string where =
        caption.toStdString() + " (" + r.focal + " mm at f/" + r.aperture + ")";
    QString brokenBeforeUnit = caption;
    brokenBeforeUnit[caption.lastIndexOf(QLatin1Char(' '))] = QLatin1Char('\n');
    const QString shown = result->text();
    EXPECT_TRUE(shown == caption || shown == brokenBeforeUnit)
        << where << " shown as " << shown.toStdString();
    EXPECT_EQ(result->accessibleName(), ToQString(ResultAccessibleName(caption.toStdString())));
    EXPECT_TRUE(CaptionFits(result)) << where << " in " << result->font().pointSizeF() << " pt, "
                                     << result->width() << " x " << result->height();
    EXPECT_GE(result->font().pointSizeF(), 8.0) << where;
    EXPECT_TRUE(result->font().stretch() == QFont::AnyStretch || result->font().stretch() >= 70)
        << where;
    EXPECT_TRUE(frame->contentsRect().contains(result->geometry())) << where;
    for (QWidget* other : frame->findChildren<QWidget*>()) {
      EXPECT_TRUE(other == result || !other->geometry().intersects(result->geometry()))
          << where << " covers " << other->objectName().toStdString();
    }
    if (r.worked) {
      EXPECT_EQ(result->geometry(), box) << where;
      EXPECT_EQ(shown, caption) << where;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, CaptionTest, ::testing::ValuesIn(kLanguages), LanguageName);

}  // namespace
}  // namespace quorvel::ui::qt
