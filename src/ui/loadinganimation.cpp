#include "ui/loadinganimation.h"

#include <QPainter>
#include <array>

#include "model/palette.h"

namespace {

constexpr int kFrameMilliseconds = 70;

// The container's places, filled in this order: the bottom row from the inner end
// (left) toward the door, then the row above.
constexpr int kPlaces = 7;
constexpr std::array<QPointF, kPlaces> kPlaceCorners = {
    QPointF{9, 33}, {21, 33}, {33, 33}, {45, 33}, {9, 21}, {21, 21}, {33, 21}};
constexpr QSizeF kCarton{11, 11};
constexpr std::array<int, kPlaces> kPlaceMaterials = {0, 0, 1, 1, 2, 3, 3};

QColor cartonColor(int material) {
  const std::uint32_t packed = materialColor(material);
  return QColor(packed & 0xFF, (packed >> 8) & 0xFF, (packed >> 16) & 0xFF);
}

void paintCarton(QPainter& p, QPointF corner, int material) {
  p.setBrush(cartonColor(material));
  p.drawRect(QRectF(corner, kCarton));
  p.drawLine(corner + QPointF(0, 3), corner + QPointF(kCarton.width(), 3));
}

}  // namespace

void paintLoadingFrame(QPainter& p, QSize size, int frame) {
  p.save();
  p.scale(size.width() / 80.0, size.height() / 50.0);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(QRectF(0, 0, 80, 50), QColor(232, 238, 244));

  // The container, open toward the door on the right, standing on the ground.
  p.setPen(QPen(QColor(23, 62, 106), 2));
  p.setBrush(QColor(47, 111, 181));
  p.drawRect(QRectF(7, 7, 54, 38));
  p.setBrush(QColor(15, 42, 72));
  p.drawRect(QRectF(8, 19, 50, 25.5));
  p.setPen(QPen(QColor(120, 130, 140), 1));
  p.drawLine(QPointF(2, 46), QPointF(78, 46));

  // Every place takes about four frames: frame f has placed the first cartons and is
  // carrying the next one in from the door.
  const double progress = (frame - 1) * double(kPlaces) / kAnimationFrameCount;
  const int placed = static_cast<int>(progress);
  const double travel = progress - placed;
  p.setPen(QPen(QColor(90, 61, 22), 0.8));
  for (int i = 0; i < placed; ++i) paintCarton(p, kPlaceCorners[i], kPlaceMaterials[i]);
  if (placed < kPlaces) {
    const QPointF start(68, kPlaceCorners[placed].y());
    const QPointF end = kPlaceCorners[placed];
    paintCarton(p, start + (end - start) * travel, kPlaceMaterials[placed]);
  }
  p.restore();
}

LoadingAnimation::LoadingAnimation(QWidget* parent) : QWidget(parent) {
  timer_.setInterval(kFrameMilliseconds);
  connect(&timer_, &QTimer::timeout, this, &LoadingAnimation::nextFrame);
}

void LoadingAnimation::play() {
  frame_ = 1;
  timer_.start();
  update();
}

void LoadingAnimation::stop() { timer_.stop(); }

void LoadingAnimation::nextFrame() {
  frame_ = frame_ % kAnimationFrameCount + 1;
  update();
}

void LoadingAnimation::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintLoadingFrame(painter, size(), frame_);
}
