#pragma once
// The progress dialog's animation: cartons carried one after the other into a container,
// 29 frames played over and over while a calculation runs.

#include <QTimer>
#include <QWidget>

class QPainter;

inline constexpr int kAnimationFrameCount = 29;

// Paints frame 1-29 into a rectangle of the given size.
void paintLoadingFrame(QPainter& painter, QSize size, int frame);

class LoadingAnimation : public QWidget {
  Q_OBJECT
 public:
  explicit LoadingAnimation(QWidget* parent = nullptr);

  // Plays the frames from frame 1, repeating until stop().
  void play();
  // Stops on the current frame.
  void stop();
  bool isPlaying() const { return timer_.isActive(); }
  int frame() const { return frame_; }  // 1-29

  QSize sizeHint() const override { return {80, 50}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void nextFrame();

  QTimer timer_;
  int frame_ = 1;
};
