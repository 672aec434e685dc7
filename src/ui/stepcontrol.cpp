#include "ui/stepcontrol.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>

StepControl::StepControl(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("stepControl"));
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);  // the view takes the height
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 2, 4, 2);
  slider_ = new QSlider(Qt::Horizontal);
  slider_->setObjectName(QStringLiteral("sldStep"));
  slider_->setPageStep(1);
  slider_->setTickPosition(QSlider::TicksBelow);
  caption_ = new QLabel;
  caption_->setObjectName(QStringLiteral("lblStep"));
  layout->addWidget(slider_, 1);
  layout->addWidget(caption_);
  connect(slider_, &QSlider::valueChanged, this, [this](int k) {
    showCaption();
    emit stepChosen(k);
  });
  setLoadingOrder({});
}

void StepControl::setLoadingOrder(std::vector<std::size_t> rows, QStringList stops) {
  rows_ = std::move(rows);
  stops_ = std::move(stops);
  const QSignalBlocker quiet(slider_);
  slider_->setRange(rows_.empty() ? 0 : 1, stepCount());
  slider_->setValue(stepCount());
  setEnabled(!rows_.empty());
  showCaption();
}

int StepControl::step() const { return rows_.empty() ? 0 : slider_->value(); }

void StepControl::showStep(int k) {
  const QSignalBlocker quiet(slider_);
  slider_->setValue(std::clamp(k, rows_.empty() ? 0 : 1, stepCount()));
  showCaption();
}

int StepControl::stepOfRow(std::size_t row) const {
  const auto at = std::find(rows_.begin(), rows_.end(), row);
  return at == rows_.end() ? 0 : static_cast<int>(at - rows_.begin()) + 1;
}

std::vector<std::size_t> StepControl::rowsUpTo(int k) const {
  const std::size_t count = static_cast<std::size_t>(std::clamp(k, 0, stepCount()));
  return {rows_.begin(), rows_.begin() + static_cast<std::ptrdiff_t>(count)};
}

void StepControl::showCaption() {
  QString text = tr("第 %1 步 / 共 %2 步").arg(step()).arg(stepCount());
  const int k = step();
  if (k >= 1 && k <= stops_.size() && !stops_[k - 1].isEmpty()) text += QStringLiteral(" · ") + stops_[k - 1];
  caption_->setText(text);
}
