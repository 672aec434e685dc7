#include "ui/colourbox.h"

#include <QComboBox>
#include <QPainter>
#include <QPixmap>

#include "model/palette.h"
#include "commands/cartonform.h"

namespace {

constexpr int kSwatchSize = 12;

QColor colourOf(int material) {
  const std::uint32_t packed = materialColor(material);  // 0x00BBGGRR
  return QColor(packed & 0xFF, (packed >> 8) & 0xFF, (packed >> 16) & 0xFF);
}

QPixmap swatch(int material) {
  QPixmap pixmap(kSwatchSize, kSwatchSize);
  pixmap.fill(colourOf(material));
  QPainter painter(&pixmap);
  painter.setPen(Qt::black);
  painter.drawRect(0, 0, kSwatchSize - 1, kSwatchSize - 1);
  return pixmap;
}

}  // namespace

void fillColourBox(QComboBox* box) {
  box->clear();
  box->setIconSize(QSize(kSwatchSize, kSwatchSize));
  const std::vector<std::string>& names = materialNames();
  for (int i = 0; i < static_cast<int>(names.size()); ++i)
    box->addItem(QIcon(swatch(i)), QString::fromStdString(names[static_cast<std::size_t>(i)]));
  box->setMaxVisibleItems(5);
  // Some styles show every item of a drop-down list unless told otherwise.
  box->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
}
