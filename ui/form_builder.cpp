// SPDX-License-Identifier: MIT
#include "ui/form_builder.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "ui/app_icon.h"

namespace quorvel::ui {
namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A system colour number as the palette role that plays its part.
QPalette::ColorRole SystemRole(std::uint32_t number) {
  switch (number) {
    case 5:  // window background
      return QPalette::Base;
    case 8:  // window text
      return QPalette::Text;
    case 13:  // highlight
      return QPalette::Highlight;
    case 14:  // highlight text
      return QPalette::HighlightedText;
    case 18:  // button text
      return QPalette::ButtonText;
    default:  // 15, button face, and the rest
      return QPalette::Button;
  }
}

QColor ResolveColour(std::uint32_t colour, const QPalette& palette) {
  if ((colour & 0x80000000u) != 0)
    return palette.color(SystemRole(colour & 0xFFu));
  return QColor(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                static_cast<int>((colour >> 16) & 0xFFu));
}

bool TakesFocus(ControlKind kind) {
  return kind == ControlKind::TextBox || kind == ControlKind::Button ||
         kind == ControlKind::Picture;
}

QWidget* CreateWidget(const ControlSpec& spec, QWidget* parent) {
  QString caption = ToQString(spec.caption);
  switch (spec.kind) {
    case ControlKind::Label: {
      auto* label = new QLabel(caption, parent);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(spec.wordWrap);
      label->setAlignment(Qt::AlignTop |
                          (spec.align == Align::Right ? Qt::AlignRight : Qt::AlignLeft));
      if (spec.border == Border::Single)
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      return label;
    }
    case ControlKind::TextBox: {
      auto* edit = new QLineEdit(caption, parent);
      edit->setMaxLength(std::numeric_limits<int>::max());
      return edit;
    }
    case ControlKind::Button: {
      auto* button = new QPushButton(caption, parent);
      button->setAutoDefault(false);
      button->setDefault(spec.isDefault);
      if (spec.isCancel) {
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), parent->window());
        QObject::connect(escape, &QShortcut::activated, button, &QPushButton::click);
      }
      return button;
    }
    case ControlKind::Frame:
      return new QGroupBox(caption, parent);
    case ControlKind::Picture: {
      auto* picture = new QLabel(parent);
      picture->setPixmap(AppIcon().pixmap(32, 32));
      picture->setAlignment(Qt::AlignCenter);
      picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      picture->setLineWidth(2);
      return picture;
    }
    case ControlKind::Line: {
      auto* line = new QWidget(parent);
      line->setAutoFillBackground(true);
      return line;
    }
  }
  return nullptr;
}

void ApplyColours(QWidget* widget, const ControlSpec& spec) {
  if (spec.backColour == kDefaultColour && spec.foreColour == kDefaultColour)
    return;
  QPalette palette = widget->palette();
  if (spec.kind == ControlKind::Line) {
    palette.setColor(QPalette::Window, ResolveColour(spec.foreColour, palette));
  } else {
    if (spec.backColour != kDefaultColour) {
      palette.setColor(QPalette::Window, ResolveColour(spec.backColour, palette));
      widget->setAutoFillBackground(true);
    }
    if (spec.foreColour != kDefaultColour) {
      palette.setColor(QPalette::WindowText, ResolveColour(spec.foreColour, palette));
    }
  }
  widget->setPalette(palette);
}

}  // namespace

int TwipsToPixels(int twips, double dpi) {
  return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

QRect PixelRect(const ControlSpec& spec, double dpi) {
  int left = TwipsToPixels(spec.left, dpi);
  int top = TwipsToPixels(spec.top, dpi);
  // Right and bottom edges are scaled too, so neighbours stay flush.
  int right = TwipsToPixels(spec.left + spec.width, dpi);
  int bottom = TwipsToPixels(spec.top + spec.height, dpi);
  return QRect(left, top, right - left, bottom - top);
}

QFont MakeFont(const FontSpec& spec) {
  QFont font;
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                    QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                    QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(spec.points);
  font.setBold(spec.bold);
  font.setUnderline(spec.underline);
  return font;
}

QWidget* Controls::operator[](std::string_view name) const {
  return byName_.value(ToQString(name), nullptr);
}

Controls BuildControls(QWidget* client, std::span<const ControlSpec> table, double dpi) {
  Controls controls;
  for (const ControlSpec& spec : table) {
    QWidget* parent = spec.parent.empty() ? client : controls[spec.parent];
    QWidget* widget = CreateWidget(spec, parent);
    widget->setObjectName(ToQString(spec.name));
    widget->setGeometry(PixelRect(spec, dpi));
    widget->setFont(MakeFont(spec.font));
    widget->setFocusPolicy(spec.kind == ControlKind::Picture ? Qt::TabFocus
                           : TakesFocus(spec.kind)           ? Qt::StrongFocus
                                                             : Qt::NoFocus);
    ApplyColours(widget, spec);
    controls.byName_.insert(widget->objectName(), widget);
  }

  // Captions and lines lie beneath the controls that take focus; among
  // themselves they keep the table's order.
  for (auto spec = table.rbegin(); spec != table.rend(); ++spec) {
    if (!TakesFocus(spec->kind) && spec->kind != ControlKind::Frame)
      controls[spec->name]->lower();
  }

  std::vector<const ControlSpec*> focusable;
  for (const ControlSpec& spec : table) {
    if (TakesFocus(spec.kind))
      focusable.push_back(&spec);
  }
  std::ranges::sort(focusable, {}, &ControlSpec::tabIndex);
  for (std::size_t i = 1; i < focusable.size(); ++i) {
    QWidget::setTabOrder(controls[focusable[i - 1]->name], controls[focusable[i]->name]);
  }
  return controls;
}

}  // namespace quorvel::ui
