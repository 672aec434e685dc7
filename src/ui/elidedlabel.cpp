#include "ui/elidedlabel.h"

#include <QPainter>
#include <QStyle>

namespace {

constexpr int kShortestCharacters = 8;

}  // namespace

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setWordWrap(false);
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

QSize ElidedLabel::minimumSizeHint() const {
  const QSize hint = QLabel::minimumSizeHint();
  return {fontMetrics().averageCharWidth() * kShortestCharacters, hint.height()};
}

QSize ElidedLabel::sizeHint() const { return {minimumSizeHint().width(), QLabel::sizeHint().height()}; }

bool ElidedLabel::isElided() const {
  return fontMetrics().horizontalAdvance(text()) > contentsRect().width();
}

void ElidedLabel::paintEvent(QPaintEvent*) {
  updateToolTip();
  QPainter painter(this);
  const QRect area = contentsRect();
  const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
  painter.setPen(palette().color(QPalette::WindowText));
  style()->drawItemText(&painter, area, static_cast<int>(alignment()), palette(), isEnabled(), shown,
                        foregroundRole());
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  updateToolTip();
}

void ElidedLabel::updateToolTip() {
  const QString tip = isElided() ? text() : QString();
  if (toolTip() != tip) setToolTip(tip);
}
