#include "ui/windowsize.h"

#include <algorithm>

QSize initialWindowSize(const QSize& available) {
  if (available.isEmpty()) return kDesignedWindowSize;
  const QSize most(available.width() * 4 / 5, available.height() * 4 / 5);
  return most.expandedTo(kDesignedWindowSize).boundedTo(available);
}

QRect fittedOnScreen(const QRect& frame, const QRect& available) {
  if (available.isEmpty()) return frame;
  QRect fitted(frame.topLeft(), frame.size().boundedTo(available.size()));
  fitted.moveLeft(std::clamp(fitted.left(), available.left(), available.right() - fitted.width() + 1));
  fitted.moveTop(std::clamp(fitted.top(), available.top(), available.bottom() - fitted.height() + 1));
  return fitted;
}
