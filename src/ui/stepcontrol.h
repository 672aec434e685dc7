#pragma once
// StepControl: the slider under the 3D view that walks through the plan as it is loaded,
// "第 k 步 / 共 N 步", with the step's delivery stop after it ("第 4 步 / 共 10 步 · 天津"). Step k shows the blocks of the first k steps and singles out the
// k-th; it maps steps to rows of the result list and back through the loading order.

#include <QStringList>
#include <QWidget>
#include <cstddef>
#include <vector>

class QLabel;
class QSlider;

class StepControl : public QWidget {
  Q_OBJECT

 public:
  explicit StepControl(QWidget* parent = nullptr);

  // The result rows of the plan's blocks in loading order (see loadingOrder); empty when
  // there is no plan, which disables the control. stops: the name of each step's stop, in
  // the same order; empty (or an empty name) for none. Moves to the last step without telling.
  void setLoadingOrder(std::vector<std::size_t> rows, QStringList stops = {});
  int stepCount() const { return static_cast<int>(rows_.size()); }
  int step() const;
  // Moves to step k (held to 1..stepCount) without emitting stepChosen.
  void showStep(int k);

  // The step that loads the block of row, 0 when no step does.
  int stepOfRow(std::size_t row) const;
  // The row of the block loaded at step k (1..stepCount).
  std::size_t rowOfStep(int k) const { return rows_[static_cast<std::size_t>(k - 1)]; }
  // The rows shown at step k: those of steps 1 to k, in loading order.
  std::vector<std::size_t> rowsUpTo(int k) const;

  QSlider* slider() const { return slider_; }
  QLabel* caption() const { return caption_; }

 signals:
  // The user moved the slider to step k.
  void stepChosen(int k);

 private:
  void showCaption();

  std::vector<std::size_t> rows_;
  QStringList stops_;
  QSlider* slider_ = nullptr;
  QLabel* caption_ = nullptr;
};
