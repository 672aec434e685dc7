#include "ui/stopkey.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {

constexpr int kSwatchSize = 12;

}  // namespace

StopKey::StopKey(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("stopKey"));
  // One line high; its width never widens the panel: the stops past its edge are cut off.
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 2, 6, 0);
  layout->setSpacing(4);
  hide();
}

void StopKey::showStops(const std::vector<std::pair<QString, QColor>>& stops) {
  auto* line = static_cast<QHBoxLayout*>(layout());
  while (QLayoutItem* item = line->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  setVisible(!stops.empty());
  if (stops.empty()) return;
  line->addWidget(new QLabel(tr("目的地：")));
  for (const auto& [name, colour] : stops) {
    auto* swatch = new QLabel;
    swatch->setObjectName(QStringLiteral("stopSwatch"));
    swatch->setFixedSize(kSwatchSize, kSwatchSize);
    swatch->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid black;").arg(colour.name()));
    line->addWidget(swatch);
    auto* label = new QLabel(name);
    label->setObjectName(QStringLiteral("stopName"));
    line->addWidget(label);
    line->addSpacing(8);
  }
  line->addStretch(1);
}

QStringList StopKey::stopNames() const {
  QStringList names;
  for (int i = 0; i < layout()->count(); ++i)
    if (auto* label = qobject_cast<QLabel*>(layout()->itemAt(i)->widget());
        label != nullptr && label->objectName() == QStringLiteral("stopName"))
      names << label->text();
  return names;
}
