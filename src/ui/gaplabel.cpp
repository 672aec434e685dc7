#include "ui/gaplabel.h"

#include <QEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <algorithm>

GapLabel::GapLabel(const QString& text, QWidget* field, QWidget* parent)
    : QLabel(text, parent), field_(field) {
  field_->setParent(this);
  placeField();
}

GapLabel::Parts GapLabel::parts() const {
  static const QRegularExpression gap(QStringLiteral(" {2,}"));
  const QRegularExpressionMatch match = gap.match(text());
  if (!match.hasMatch()) return {text(), {}, field_->sizeHint().width()};
  const int spaces = fontMetrics().horizontalAdvance(match.captured());
  return {text().left(match.capturedStart()), text().mid(match.capturedEnd()),
          std::max(spaces, field_->minimumSizeHint().width())};
}

QSize GapLabel::sizeHint() const {
  const Parts p = parts();
  const QFontMetrics metrics = fontMetrics();
  const QMargins margins = contentsMargins();
  const int width = metrics.horizontalAdvance(p.before) + p.gapWidth + metrics.horizontalAdvance(p.after);
  const int height = std::max(metrics.height(), field_->sizeHint().height());
  return {width + margins.left() + margins.right(), height + margins.top() + margins.bottom()};
}

QSize GapLabel::minimumSizeHint() const { return sizeHint(); }

void GapLabel::paintEvent(QPaintEvent*) {
  const Parts p = parts();
  const QRect area = contentsRect();
  const int gapLeft = area.left() + fontMetrics().horizontalAdvance(p.before);
  QPainter painter(this);
  const auto flags = Qt::AlignLeft | Qt::AlignVCenter;
  style()->drawItemText(&painter, area, flags, palette(), isEnabled(), p.before, foregroundRole());
  style()->drawItemText(&painter, area.adjusted(gapLeft + p.gapWidth - area.left(), 0, 0, 0), flags,
                        palette(), isEnabled(), p.after, foregroundRole());
}

void GapLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  placeField();
}

void GapLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    updateGeometry();
    placeField();
  }
}

void GapLabel::placeField() {
  const Parts p = parts();
  const QRect area = contentsRect();
  const int height = std::min(area.height(), field_->sizeHint().height());
  field_->setGeometry(area.left() + fontMetrics().horizontalAdvance(p.before),
                      area.top() + (area.height() - height) / 2, p.gapWidth, height);
}
