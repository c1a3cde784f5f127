// SPDX-License-Identifier: MIT
#include "ui/classic_look.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace quorvel::ui {

namespace {

// Draws the style's right arrow at whatever size is asked, when it is asked.
class ArrowIconEngine final : public QIconEngine {
 public:
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    QStyleOption option;
    option.rect = rect;
    option.palette = QApplication::palette();
    option.state = mode == QIcon::Disabled ? QStyle::State_None : QStyle::State_Enabled;
    QApplication::style()->drawPrimitive(QStyle::PE_IndicatorArrowRight, &option, painter);
  }
  QIconEngine* clone() const override { return new ArrowIconEngine; }
};

// The classic style, except that the menu bar's overflow button draws its
// arrow instead of loading a picture: reading that picture makes Qt load its
// image format plugins, a cost every start would pay for a button the fixed
// main window never shows.
class ClassicStyle final : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                     const QWidget* widget) const override {
    if (icon == SP_ToolBarHorizontalExtensionButton)
      return QIcon(new ArrowIconEngine);
    return QProxyStyle::standardIcon(icon, option, widget);
  }
};

}  // namespace

void ApplyClassicLook() {
  // The window's layout counts on its own menu bar; asking the desktop for a
  // global one also costs a session bus round trip at every start.
  QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
  if (QStyle* classic = QStyleFactory::create(QStringLiteral("Windows"))) {
    QApplication::setStyle(new ClassicStyle(classic));
  }
}

}  // namespace quorvel::ui
