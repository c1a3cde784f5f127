// SPDX-License-Identifier: MIT
#include "ui/qt/classic_look.h"

#include "ui/qt/form_builder.h"
#include "ui/qt/platform.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace quorvel::ui::qt {

namespace {

// The classic style, except that the menu bar's overflow button gets the
// style's own arrow, drawn, instead of a picture read from a file: reading a
// picture makes Qt load its image format plugins, a cost every start would
// pay for a button that shows only in a window too narrow for its menu.
class ClassicStyle final : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                     const QWidget* widget) const override {
    if (icon != SP_ToolBarHorizontalExtensionButton)
      return QProxyStyle::standardIcon(icon, option, widget);
    QPixmap arrow(16, 16);
    arrow.fill(Qt::transparent);
    QPainter painter(&arrow);
    QStyleOption arrowOption;
    arrowOption.rect = arrow.rect();
    arrowOption.palette = QApplication::palette();
    arrowOption.state = State_Enabled;
    drawPrimitive(PE_IndicatorArrowRight, &arrowOption, &painter);
    return QIcon(arrow);
  }
};

}  // namespace

bool UserChoseStyle(int argc, char** argv) {
  return !qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE") || NamesQtOption(argc, argv, "style");
}

void ApplyClassicLook(bool keepStyle) {
  // The window's layout counts on its own menu bar; asking the desktop for a
  // global one also costs a session bus round trip at every start.
  QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
  if (!keepStyle) {
    if (QStyle* classic = QStyleFactory::create(QStringLiteral("Windows")))
      QApplication::setStyle(new ClassicStyle(classic));
  }
  // One face throughout: the windows' default font serves the menu bar, its
  // menu and the message boxes too, where the desktop's would stand out.
  QFont font = MakeFont({});
  QApplication::setFont(font);
  for (const char* kind : {"QMenuBar", "QMenu", "QMessageBox"})
    QApplication::setFont(font, kind);
}

}  // namespace quorvel::ui::qt
