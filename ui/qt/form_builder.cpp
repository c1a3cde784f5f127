// SPDX-License-Identifier: MIT
#include "ui/qt/form_builder.h"

#include <QGlyphRun>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QRawFont>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTextLayout>
#include <limits>
#include <vector>

#include "app/translation.h"
#include "ui/caption_fit.h"
#include "ui/qt/qt_text.h"

namespace quorvel::ui::qt {
namespace {

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

// The way the controls inside `parent` read: mirrored where it reads right
// to left.
Direction ReadingDirection(const QWidget* parent) {
  return parent->layoutDirection() == Qt::RightToLeft ? Direction::RightToLeft
                                                      : Direction::LeftToRight;
}

QColor ToQColor(Rgb colour) {
  return QColor(colour.red, colour.green, colour.blue);
}

// The desktop's colours, as the shared colour rules read them.
SystemColours SystemColoursOf(const QPalette& palette) {
  return SystemColours{.window = ToRgb(palette.color(QPalette::Window)),
                       .windowText = ToRgb(palette.color(QPalette::WindowText)),
                       .fieldText = ToRgb(palette.color(QPalette::WindowText)),
                       .link = ToRgb(palette.color(QPalette::Link)),
                       .light = ToRgb(palette.color(QPalette::Light)),
                       .dark = ToRgb(palette.color(QPalette::Dark)),
                       .highlightText = ToRgb(palette.color(QPalette::HighlightedText))};
}

QWidget* CreateWidget(const ControlRow& row, QWidget* parent, const QPixmap& picture,
                      Direction direction) {
  QString caption = ToQString(Tr(row.caption));
  switch (row.kind) {
    case ControlKind::Label: {
      auto* label = new QLabel(caption, parent);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(true);
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

// The row's colours (colours.h). A row without colours of its own keeps the
// palette, and with it follows the desktop's.
void ApplyColours(QWidget* widget, const ControlRow& row) {
  if (row.backColour == kDefaultColour && row.foreColour == kDefaultColour)
    return;
  QPalette palette = widget->palette();
  Colours colours = ColoursOf(row, SystemColoursOf(palette));
  // A line is a strip that its background fills.
  palette.setColor(row.kind == ControlKind::Line ? QPalette::Window : QPalette::WindowText,
                   ToQColor(colours.fore));
  if (row.backColour != kDefaultColour) {
    palette.setColor(QPalette::Window, ToQColor(colours.back));
    widget->setAutoFillBackground(true);
  }
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

// Whether `label`'s caption fits its box whole in `font`, as QLabel lays it
// out: within its frame, indent and margin, wrapped if it wraps, and aligned
// as it is. The lines must fit the box's width; in height what counts is the
// ink, since the faces of some scripts (Arabic, Japanese) give lines far
// taller than their letters, to make room for marks the text may not have.
// QLabel's size hints would not serve: they reserve a whole "x" of indent
// beside a framed caption where QLabel paints with half of one. Where
// `lines` is not 0, the caption may take no more lines than that.
bool Fits(const QLabel* label, const QFont& font, int lines = 0) {
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
  // The lines as QLabel draws them, its line breaks as the separators they
  // stand for.
  QTextLayout layout(QString(label->text()).replace(QLatin1Char('\n'), QChar::LineSeparator), font);
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
  if (lines > 0 && layout.lineCount() > lines)
    return false;
  if (needed.height() <= box.height() && !(align & Qt::AlignVCenter))
    return true;
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

void FitCaption(QLabel* label, std::span<const ControlRow> table, const ControlRow& row,
                const WindowLayout& window, double dpi) {
  const Direction direction = ReadingDirection(label->parentWidget());
  const std::string caption = label->text().toStdString();
  // Lays the caption out and places the label as `shape` says, and tells
  // whether the caption fits in the shape's font. A line taller than the box
  // is centred in it, where its ink fits.
  auto place = [&](const CaptionShape& shape, const QFont& font) {
    CaptionLines laidOut = LayOut(row, caption, shape.extent);
    label->setText(ToQString(laidOut.text));
    label->setGeometry(
        ToQRect(ToPixels(table, InExtent(row, shape.extent), window, dpi, direction)));
    // Grown, a framed caption stands a pixel from its border, as on
    // Windows, where it has none: the half "x" that Qt leaves there by
    // itself is what a long result in a wide face lacks.
    label->setIndent(shape.extent == Extent::Box ? -1 : 1);
    const Qt::Alignment horizontal = label->alignment() & Qt::AlignHorizontal_Mask;
    label->setAlignment(horizontal | Qt::AlignTop);
    if (Fits(label, font, laidOut.lines))
      return true;
    label->setAlignment(horizontal | Qt::AlignVCenter);
    if (QFontMetrics(font).boundingRect(label->text()).height() > label->height() &&
        Fits(label, font, laidOut.lines))
      return true;
    label->setAlignment(horizontal | Qt::AlignTop);
    return false;
  };
  auto fontOf = [&row](const CaptionShape& shape) {
    FontStyle style = row.font;
    style.points = shape.points;
    QFont font = MakeFont(style);
    // Narrower, as a condensed face sets it.
    if (shape.stretch != 100)
      font.setStretch(shape.stretch);
    return font;
  };
  CaptionShape shape = ui::FitCaption(
      row, [&](const CaptionShape& candidate) { return place(candidate, fontOf(candidate)); });
  QFont font = fontOf(shape);
  place(shape, font);
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
  const Direction direction = ReadingDirection(client);
  Controls controls;
  for (const ControlRow& row : table) {
    QWidget* parent = row.parent.empty() ? client : controls[row.parent];
    QWidget* widget = CreateWidget(row, parent, picture, direction);
    widget->setObjectName(ToQString(row.name));
    if (row.leftToRight || row.kind == ControlKind::TextBox)
      widget->setLayoutDirection(Qt::LeftToRight);
    widget->setGeometry(ToQRect(ToPixels(table, row, window, dpi, direction)));
    if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty())
      FitCaption(label, table, row, window, dpi);
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

  // Made in reading order, each one over those before it. A widget's place
  // among its siblings is also its place in the accessible tree, so a
  // caption that overlaps a control keeps its place and is put beneath the
  // control by a mask: it neither draws nor takes the mouse where the
  // control lies.
  for (auto [caption, control] : CaptionsBeneath(table)) {
    QWidget* below = controls[caption->name];
    QRect overlap = below->geometry().intersected(controls[control->name]->geometry());
    below->setMask(QRegion(below->rect()).subtracted(overlap.translated(-below->pos())));
  }

  std::vector<const ControlRow*> focusable = TabOrder(table);
  for (std::size_t i = 1; i < focusable.size(); ++i) {
    QWidget::setTabOrder(controls[focusable[i - 1]->name], controls[focusable[i]->name]);
  }
  return controls;
}

}  // namespace quorvel::ui::qt
