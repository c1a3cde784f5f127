// SPDX-License-Identifier: MIT
// Both windows in the desktop's palette, light and dark: every text reads on
// its own background, and the etched separator is drawn in shades of the
// window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <vector>

#include "tests/ui/qt/form1_fixture.h"
#include "ui/colours.h"
#include "ui/qt/form_builder.h"

namespace quorvel::ui::qt {
namespace {

struct NamedPalette {
  const char* name;
  QPalette palette;
};

// A desktop palette from its main colours, the way the desktops' own dark and
// light themes set them.
QPalette Desktop(QColor window, QColor text, QColor base, QColor button, QColor highlight,
                 QColor highlightedText, QColor link) {
  QPalette palette(button, window);
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::ButtonText, text);
  palette.setColor(QPalette::Base, base);
  palette.setColor(QPalette::Highlight, highlight);
  palette.setColor(QPalette::HighlightedText, highlightedText);
  palette.setColor(QPalette::Link, link);
  return palette;
}

std::vector<NamedPalette> Palettes() {
  return {
      {"the style's own", QApplication::style()->standardPalette()},
      {"a light desktop's",
       Desktop(QColor(0xef, 0xf0, 0xf1), QColor(0x23, 0x26, 0x27), QColor(0xfc, 0xfc, 0xfc),
               QColor(0xfc, 0xfc, 0xfc), QColor(0x3d, 0xae, 0xe9), QColor(0xff, 0xff, 0xff),
               QColor(0x29, 0x80, 0xb9))},
      {"a dark desktop's",
       Desktop(QColor(0x2a, 0x2e, 0x32), QColor(0xfc, 0xfc, 0xfc), QColor(0x1b, 0x1e, 0x20),
               QColor(0x31, 0x36, 0x3b), QColor(0x3d, 0xae, 0xe9), QColor(0xfc, 0xfc, 0xfc),
               QColor(0x1d, 0x99, 0xf3))},
      {"another dark desktop's",
       Desktop(QColor(0x24, 0x24, 0x24), QColor(0xff, 0xff, 0xff), QColor(0x1e, 0x1e, 0x1e),
               QColor(0x30, 0x30, 0x30), QColor(0x15, 0x53, 0x9e), QColor(0xff, 0xff, 0xff),
               QColor(0x35, 0x84, 0xe4))},
  };
}

// Each text of `window` with its colour and its background's.
struct Text {
  QString name;
  Rgb colour;
  Rgb background;
};

std::vector<Text> TextsOf(QWidget* window) {
  std::vector<Text> texts;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    const QPalette& p = widget->palette();
    if (auto* label = qobject_cast<QLabel*>(widget); label && label->pixmap().isNull()) {
      texts.push_back({label->objectName(), ToRgb(p.color(QPalette::WindowText)),
                       ToRgb(p.color(QPalette::Window))});
    } else if (qobject_cast<QLineEdit*>(widget)) {
      texts.push_back(
          {widget->objectName(), ToRgb(p.color(QPalette::Text)), ToRgb(p.color(QPalette::Base))});
    } else if (qobject_cast<QPushButton*>(widget)) {
      texts.push_back({widget->objectName(), ToRgb(p.color(QPalette::ButtonText)),
                       ToRgb(p.color(QPalette::Button))});
    } else if (qobject_cast<QGroupBox*>(widget)) {
      texts.push_back({widget->objectName(), ToRgb(p.color(QPalette::WindowText)),
                       ToRgb(p.color(QPalette::Window))});
    }
  }
  return texts;
}

class PaletteTest : public Form1Fixture {
 protected:
  void SetUp() override {}
  void TearDown() override {
    Form1Fixture::TearDown();
    QApplication::setPalette(original_);
  }

  // Both windows, built in `palette`, the result computed.
  void Open(const QPalette& palette) {
    QApplication::setPalette(palette);
    Form1Fixture::Open();
    form_->handlers().Contact_Click();
    about_ = AboutDialog();
    ASSERT_NE(about_, nullptr);
    Control<QLineEdit>("iFocal")->setText(QStringLiteral("50"));
    Control<QLineEdit>("iAperature")->setText(QStringLiteral("8"));
    Control<QPushButton>("cCalculate")->click();
  }

  QPalette original_ = QApplication::palette();
  QDialog* about_ = nullptr;
};

TEST_F(PaletteTest, EveryTextReadsOnItsBackground) {
  for (const NamedPalette& named : Palettes()) {
    Open(named.palette);
    for (QWidget* window : {static_cast<QWidget*>(form_.get()), static_cast<QWidget*>(about_)}) {
      std::vector<Text> texts = TextsOf(window);
      EXPECT_GE(texts.size(), 6u);
      for (const Text& text : texts) {
        EXPECT_GE(ContrastRatio(text.colour, text.background), kReadableContrast)
            << text.name.toStdString() << " in " << named.name << " palette";
      }
    }
    TearDown();
  }
}

TEST_F(PaletteTest, TheResultsBorderIsDrawnInItsTextColour) {
  for (const NamedPalette& named : Palettes()) {
    Open(named.palette);
    auto* result = Control<QLabel>("iHyper");
    QImage picture = result->grab().toImage();
    QColor text = result->palette().color(QPalette::WindowText);
    EXPECT_EQ(picture.pixelColor(picture.width() / 2, 0).rgb(), text.rgb()) << named.name;
    EXPECT_EQ(picture.pixelColor(0, picture.height() / 2).rgb(), text.rgb()) << named.name;
    TearDown();
  }
}

TEST_F(PaletteTest, TheSeparatorIsFixedOnALightWindowAndShadesOfADarkOne) {
  for (const NamedPalette& named : Palettes()) {
    Open(named.palette);
    QColor white =
        about_->findChild<QWidget*>(QStringLiteral("Line1(0)"))->palette().window().color();
    QColor grey =
        about_->findChild<QWidget*>(QStringLiteral("Line1(1)"))->palette().window().color();
    if (named.palette.color(QPalette::Window).lightness() > 128) {
      EXPECT_EQ(white.rgb(), QColor(Qt::white).rgb()) << named.name;
      EXPECT_EQ(grey.rgb(), QColor(0x80, 0x80, 0x80).rgb()) << named.name;
    } else {
      EXPECT_EQ(white.rgb(), named.palette.color(QPalette::Light).rgb()) << named.name;
      EXPECT_EQ(grey.rgb(), named.palette.color(QPalette::Dark).rgb()) << named.name;
    }
    TearDown();
  }
}

}  // namespace
}  // namespace quorvel::ui::qt
