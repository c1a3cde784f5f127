// SPDX-License-Identifier: MIT
#include "ui/qt/form_builder.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <limits>
#include <vector>

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

QWidget* CreateWidget(const ControlRow& row, QWidget* parent, const QPixmap& picture) {
  QString caption = ToQString(row.caption);
  switch (row.kind) {
    case ControlKind::Label: {
      auto* label = new QLabel(caption, parent);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(true);
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

constexpr double kSmallestPoints = 6.0;

// Measured as QLabel paints the text: in its contents rect, less its margin
// and, for a label with a frame and no indent of its own, half an "x" on the
// sides the text is aligned to. QLabel's size hints (heightForWidth,
// minimumSizeHint) would serve if they reserved that half "x" too: they
// reserve a whole one, and so would shrink the framed result's caption
// (9.75 to 8.5 pt in Noto) where it is drawn whole.
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
