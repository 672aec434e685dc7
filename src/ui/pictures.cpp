#include "ui/pictures.h"

#include <QColor>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <array>

#include "model/palette.h"

// The resources live in a static library: register them before the first use.
static void registerPictureResources() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(cargolyx);
    return true;
  }();
  (void)registered;
}

namespace {

QPixmap renderSvg(const QString& path, QSize size, qreal scale) {
  registerPictureResources();
  QSvgRenderer renderer(path);
  QPixmap pixmap(size * scale);
  pixmap.fill(Qt::transparent);
  if (!renderer.isValid()) return {};
  QPainter painter(&pixmap);
  renderer.render(&painter);
  painter.end();
  pixmap.setDevicePixelRatio(scale);
  return pixmap;
}

// Sharp at 1× and at 2× for high-density screens.
QIcon svgIcon(const QString& path, int size) {
  QIcon icon;
  for (qreal scale : {1.0, 2.0}) {
    const QPixmap pixmap = renderSvg(path, QSize(size, size), scale);
    if (pixmap.isNull()) return {};
    icon.addPixmap(pixmap);
  }
  return icon;
}

QColor packedColor(std::uint32_t packed) {
  return QColor(packed & 0xFF, (packed >> 8) & 0xFF, (packed >> 16) & 0xFF);
}

// A small carton seen from above and the front: light top, middle front, dark side,
// the three shades the 3D view paints the carton faces in.
QPixmap paintCarton(std::uint32_t packed, qreal scale) {
  const int size = kTreePictureSize;
  QPixmap pixmap(QSize(size, size) * scale);
  pixmap.fill(Qt::transparent);
  pixmap.setDevicePixelRatio(scale);
  const QColor base = packedColor(packed);
  auto shade = [&](double value) {
    return QColor::fromHsvF(base.hsvHueF() < 0 ? 0 : base.hsvHueF(), base.hsvSaturationF(), value);
  };
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(40, 40, 40), 0.8));
  const QPolygonF top({{1.5, 5.0}, {5.5, 1.5}, {14.5, 1.5}, {10.5, 5.0}});
  const QPolygonF front({{1.5, 5.0}, {10.5, 5.0}, {10.5, 14.5}, {1.5, 14.5}});
  const QPolygonF side({{10.5, 5.0}, {14.5, 1.5}, {14.5, 11.0}, {10.5, 14.5}});
  p.setBrush(shade(0.95));
  p.drawPolygon(top);
  p.setBrush(shade(0.75));
  p.drawPolygon(front);
  p.setBrush(shade(0.5));
  p.drawPolygon(side);
  return pixmap;
}

const std::array<const char*, kToolbarPictureCount> kToolbarFiles = {
    "new", "open", "save", "addcarton", "delcarton", "run", "fill", "export", "options", "about"};

}  // namespace

QIcon toolbarPicture(int index) {
  if (index < 0 || index >= kToolbarPictureCount) return {};
  return svgIcon(QStringLiteral(":/pictures/toolbar/%1.svg").arg(kToolbarFiles[static_cast<std::size_t>(index)]),
                 kToolbarPictureSize);
}

QIcon cartonPicture(int material) {
  QIcon icon;
  for (qreal scale : {1.0, 2.0}) icon.addPixmap(paintCarton(materialColor(material), scale));
  return icon;
}

QIcon treePicture(int index) {
  if (index == kContainerPicture) return svgIcon(":/pictures/tree/container.svg", kTreePictureSize);
  if (index == kTotalsPicture) return svgIcon(":/pictures/tree/totals.svg", kTreePictureSize);
  if (index > kContainerPicture && index < kTotalsPicture) return cartonPicture(index - 1);
  return {};
}

QIcon programIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256})
    icon.addPixmap(renderSvg(":/pictures/cargolyx.svg", QSize(size, size), 1.0));
  return icon;
}

QPixmap aboutPicture() { return renderSvg(":/pictures/about.svg", QSize(120, 120), 1.0); }
