#pragma once
// StopKey: the colour key of the 3D view coloured by stop, one line in the view's panel:
// "目的地：■ 北京 ■ 天津 ■ 上海", a swatch in the stop's colour before each stop's name.

#include <QColor>
#include <QString>
#include <QWidget>
#include <utility>
#include <vector>

class StopKey : public QWidget {
  Q_OBJECT

 public:
  explicit StopKey(QWidget* parent = nullptr);

  // The stops in delivery order with their colours; the key hides itself when there are none.
  void showStops(const std::vector<std::pair<QString, QColor>>& stops);
  // The stop names the key shows, in order.
  QStringList stopNames() const;
};
