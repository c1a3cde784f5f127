// SPDX-License-Identifier: MIT
#include "ui/qt/form_builder.h"

#include <QGlyphRun>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRawFont>
#include <QShortcut>
#include <QTextLayout>
#include <algorithm>
#include <limits>
#include <vector>

#include "app/translation.h"
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

QColor ToQColor(Rgb colour) {
  return QColor(colour.red, colour.green, colour.blue);
}

Rgb ResolveColour(std::uint32_t colour, const QPalette& palette) {
  if (IsSystemColour(colour))
    return ToRgb(palette.color(SystemRole(SystemColourNumber(colour))));
  return FixedColour(colour);
}

QWidget* CreateWidget(const ControlRow& row, QWidget* parent, const QPixmap& picture,
                      Direction direction) {
  QString caption = ToQString(Tr(row.caption));
  switch (row.kind) {
    case ControlKind::Label: {
      auto* label = new QLabel(caption, parent);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(row.wordWrap);
      // Qt would align a caption by the direction of its own text ("Morlith"
      // to the left in a mirrored window): the mirror image is set as it is.
      Qt::Alignment align =
          VisualAlign(row, direction) == Align::Right ? Qt::AlignRight : Qt::AlignLeft;
      if (direction == Direction::RightToLeft)
        align |= Qt::AlignAbsolute;
      label->setAlignment(Qt::AlignTop | align);
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
      auto* box = new QLabel(parent);
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

// No caption is set smaller than this, in any language: a translation that
// would need less is written shorter.
constexpr double kSmallestPoints = 8.0;
// Nor narrower than this, in percent of the face's width.
constexpr int kNarrowestStretch = 70;

// Whether `label`'s caption fits its box whole in `font`, as QLabel lays it
// out: within its frame, indent and margin, wrapped if it wraps, and aligned
// as it is. The lines must fit the box's width; in height what counts is the
// ink, since the faces of some scripts (Arabic, Japanese) give lines far
// taller than their letters, to make room for marks the text may not have.
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
  if (needed.width() > box.width())
    return false;
  if (needed.height() <= box.height() && !(align & Qt::AlignVCenter))
    return true;
  QTextLayout layout(label->text(), font);
  QTextOption option;
  option.setWrapMode(label->wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
  layout.setTextOption(option);
  qreal height = 0;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(box.width());
    height += metrics.leading();
    line.setPosition(QPointF(0, height));
    height += line.height();
  }
  layout.endLayout();
  qreal offset = align & Qt::AlignVCenter ? (box.height() - height) / 2 : 0;
  for (const QGlyphRun& run : layout.glyphRuns()) {
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
      QRectF ink = run.rawFont().boundingRect(glyphs[i]).translated(positions[i]);
      if (!ink.isEmpty() && (ink.top() + offset < 0 || ink.bottom() + offset > box.height()))
        return false;
    }
  }
  return true;
}

}  // namespace

void FitCaption(QLabel* label, const FontStyle& style) {
  QFont font = MakeFont(style);
  // A line taller than the box is centred in it, where its ink fits.
  auto fits = [label](const QFont& candidate) {
    const Qt::Alignment horizontal = label->alignment() & Qt::AlignHorizontal_Mask;
    label->setAlignment(horizontal | Qt::AlignTop);
    if (Fits(label, candidate))
      return true;
    label->setAlignment(horizontal | Qt::AlignVCenter);
    if (QFontMetrics(candidate).boundingRect(label->text()).height() > label->height() &&
        Fits(label, candidate))
      return true;
    label->setAlignment(horizontal | Qt::AlignTop);
    return false;
  };
  while (font.pointSizeF() > kSmallestPoints && !fits(font))
    font.setPointSizeF(std::max(kSmallestPoints, font.pointSizeF() - 0.25));
  // At the smallest size, a text that is still too wide for its box (a wide
  // face, a long word) is set narrower instead, as a condensed face sets it.
  for (int stretch = 95; stretch >= kNarrowestStretch && !fits(font); stretch -= 5)
    font.setStretch(stretch);
  label->setFont(font);
}

bool CaptionFits(const QLabel* label) {
  return Fits(label, label->font());
}

QWidget* Controls::operator[](std::string_view name) const {
  return byName_.value(ToQString(name), nullptr);
}

Controls BuildControls(QWidget* client, std::span<const ControlRow> table,
                       const WindowLayout& window, double dpi, const QPixmap& picture) {
  // Qt mirrors what it lays out itself (menus, group box titles, message
  // boxes), but no geometry that is set: the table is mirrored here.
  const Direction direction = client->layoutDirection() == Qt::RightToLeft ? Direction::RightToLeft
                                                                           : Direction::LeftToRight;
  Controls controls;
  for (const ControlRow& row : table) {
    QWidget* parent = row.parent.empty() ? client : controls[row.parent];
    QWidget* widget = CreateWidget(row, parent, picture, direction);
    widget->setObjectName(ToQString(row.name));
    if (row.leftToRight || row.kind == ControlKind::TextBox)
      widget->setLayoutDirection(Qt::LeftToRight);
    widget->setGeometry(ToQRect(ToPixels(table, row, window, dpi, direction)));
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
      controls[row.name]->setAccessibleName(ToQString(Tr(row.accessibleName)));
    if (!row.description.empty())
      controls[row.name]->setAccessibleDescription(ToQString(Tr(row.description)));
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
