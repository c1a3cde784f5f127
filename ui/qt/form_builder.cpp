// SPDX-License-Identifier: MIT
#include "ui/qt/form_builder.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <limits>
#include <vector>

#include "ui/qt/qt_text.h"

namespace quorvel::ui::qt {
namespace {

// A system colour number as the palette role that plays its part.
QPalette::ColorRole SystemRole(int number) {
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

// A picture box: a picture in a sunken frame. It takes the focus with Tab,
// and shows it as the style shows a focused button, with its focus
// rectangle, drawn just inside the frame.
class PictureBox final : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* event) override {
    QLabel::paintEvent(event);
    if (!hasFocus())
      return;
    QPainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = contentsRect();
    focus.backgroundColor = palette().color(backgroundRole());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
  }
};

QColor ToQColor(Rgb colour) {
  return QColor(colour.red, colour.green, colour.blue);
}

Rgb ResolveColour(std::uint32_t colour, const QPalette& palette) {
  if (IsSystemColour(colour))
    return ToRgb(palette.color(SystemRole(SystemColourNumber(colour))));
  return FixedColour(colour);
}

QWidget* CreateWidget(const ControlRow& row, QWidget* parent, const QPixmap& picture) {
  QString caption = ToQString(row.caption);
  switch (row.kind) {
    case ControlKind::Label: {
      auto* label = new QLabel(caption, parent);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(row.wordWrap);
      label->setAlignment(Qt::AlignTop |
                          (row.align == Align::Right ? Qt::AlignRight : Qt::AlignLeft));
      // A single border: a one-pixel line in the text colour on all four
      // sides, which a sunken panel would draw white on two of them.
      if (row.border == Border::Single) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(1);
      }
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
      button->setDefault(row.isDefault);
      if (row.isCancel) {
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), parent->window());
        QObject::connect(escape, &QShortcut::activated, button, &QPushButton::click);
      }
      return button;
    }
    case ControlKind::Frame:
      return new QGroupBox(caption, parent);
    case ControlKind::Picture: {
      auto* box = new PictureBox(parent);
      box->setPixmap(picture);
      box->setAlignment(Qt::AlignCenter);
      box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      box->setLineWidth(2);
      return box;
    }
    case ControlKind::Line: {
      auto* line = new QWidget(parent);
      line->setAutoFillBackground(true);
      return line;
    }
  }
  return nullptr;
}

// The row's colours, as far as they read in the desktop's palette (layout.h).
void ApplyColours(QWidget* widget, const ControlRow& row) {
  if (row.backColour == kDefaultColour && row.foreColour == kDefaultColour)
    return;
  QPalette palette = widget->palette();
  Rgb window = ToRgb(palette.color(QPalette::Window));
  if (row.kind == ControlKind::Line) {
    Rgb line =
        LineColour(ResolveColour(row.foreColour, palette), window,
                   ToRgb(palette.color(QPalette::Light)), ToRgb(palette.color(QPalette::Dark)));
    palette.setColor(QPalette::Window, ToQColor(line));
    widget->setPalette(palette);
    return;
  }
  Rgb back = window;
  if (row.backColour != kDefaultColour) {
    back = ResolveColour(row.backColour, palette);
    palette.setColor(QPalette::Window, ToQColor(back));
    widget->setAutoFillBackground(true);
  }
  // The text, and a single border, which is drawn in its colour: a fixed
  // colour gives way to the palette's link colour.
  Rgb text = row.foreColour == kDefaultColour
                 ? TextColour(back, {ToRgb(palette.color(QPalette::WindowText))})
                 : TextColour(back, {ResolveColour(row.foreColour, palette),
                                     ToRgb(palette.color(QPalette::Link))});
  palette.setColor(QPalette::WindowText, ToQColor(text));
  widget->setPalette(palette);
}

}  // namespace

QFont MakeFont(const FontStyle& style) {
  QFont font;
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                    QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                    QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(style.points);
  font.setBold(style.bold);
  font.setUnderline(style.underline);
  return font;
}

namespace {

constexpr double kSmallestPoints = 6.0;

bool Fits(const QLabel* label, const QFont& font) {
  QFontMetrics metrics(font);
  QRect box = label->contentsRect().marginsRemoved(
      QMargins(label->margin(), label->margin(), label->margin(), label->margin()));
  int indent = label->indent();
  if (indent < 0 && label->frameWidth() > 0)
    indent = metrics.horizontalAdvance(QLatin1Char('x')) / 2 - label->margin();
  Qt::Alignment align = label->alignment();
  if (indent > 0) {
    box.adjust(align & Qt::AlignLeft ? indent : 0, align & Qt::AlignTop ? indent : 0,
               align & Qt::AlignRight ? -indent : 0, align & Qt::AlignBottom ? -indent : 0);
  }
  int flags = static_cast<int>(align) | (label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine);
  QRect needed = metrics.boundingRect(box, flags, label->text());
  return needed.width() <= box.width() && needed.height() <= box.height();
}

}  // namespace

void FitCaption(QLabel* label, const FontStyle& style) {
  QFont font = MakeFont(style);
  while (font.pointSizeF() > kSmallestPoints && !Fits(label, font))
    font.setPointSizeF(font.pointSizeF() - 0.25);
  label->setFont(font);
}

bool CaptionFits(const QLabel* label) {
  return Fits(label, label->font());
}

QWidget* Controls::operator[](std::string_view name) const {
  return byName_.value(ToQString(name), nullptr);
}

Controls BuildControls(QWidget* client, std::span<const ControlRow> table, double dpi,
                       const QPixmap& picture) {
  Controls controls;
  for (const ControlRow& row : table) {
    QWidget* parent = row.parent.empty() ? client : controls[row.parent];
    QWidget* widget = CreateWidget(row, parent, picture);
    widget->setObjectName(ToQString(row.name));
    widget->setGeometry(ToQRect(ToPixels(row, dpi)));
    if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty())
      FitCaption(label, row.font);
    else
      widget->setFont(MakeFont(row.font));
    widget->setFocusPolicy(row.kind == ControlKind::Picture ? Qt::TabFocus
                           : TakesFocus(row.kind)           ? Qt::StrongFocus
                                                            : Qt::NoFocus);
    ApplyColours(widget, row);
    controls.byName_.insert(widget->objectName(), widget);
  }

  // What screen readers say of each control.
  for (const ControlRow& row : table) {
    if (!row.names.empty())
      controls.get<QLabel>(row.name)->setBuddy(controls[row.names]);
    if (!row.accessibleName.empty())
      controls[row.name]->setAccessibleName(ToQString(row.accessibleName));
    if (!row.description.empty())
      controls[row.name]->setAccessibleDescription(ToQString(row.description));
  }

  // Made in reading order, each one over those before it; only a caption
  // that overlaps a control is put beneath it.
  for (auto [caption, control] : CaptionsBeneath(table))
    controls[caption->name]->stackUnder(controls[control->name]);

  std::vector<const ControlRow*> focusable = TabOrder(table);
  for (std::size_t i = 1; i < focusable.size(); ++i) {
    QWidget::setTabOrder(controls[focusable[i - 1]->name], controls[focusable[i]->name]);
  }
  return controls;
}

}  // namespace quorvel::ui::qt
