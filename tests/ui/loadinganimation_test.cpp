#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTest>
#include <set>

#include "ui/loadinganimation.h"

namespace {

QImage frameImage(int frame) {
  QImage image(80, 50, QImage::Format_RGB32);
  QPainter painter(&image);
  paintLoadingFrame(painter, image.size(), frame);
  return image;
}

}  // namespace

TEST(LoadingAnimation, twentyNineDifferentFrames) {
  std::vector<QImage> frames;
  for (int f = 1; f <= kAnimationFrameCount; ++f) {
    const QImage image = frameImage(f);
    for (const QImage& earlier : frames) EXPECT_NE(image, earlier) << "frame " << f;
    frames.push_back(image);
  }
}

TEST(LoadingAnimation, playsRoundAndStopsOnAFrame) {
  LoadingAnimation animation;
  animation.resize(80, 50);
  animation.show();
  EXPECT_FALSE(animation.isPlaying());
  animation.play();
  EXPECT_EQ(animation.frame(), 1);
  std::set<int> seen;
  // Well over one round of 29 frames, then it starts again from frame 1.
  EXPECT_TRUE(QTest::qWaitFor([&] {
    seen.insert(animation.frame());
    return seen.size() == kAnimationFrameCount && animation.frame() < 5;
  }, 20000));
  EXPECT_EQ(seen.size(), static_cast<std::size_t>(kAnimationFrameCount));
  EXPECT_EQ(*seen.begin(), 1);
  EXPECT_EQ(*seen.rbegin(), kAnimationFrameCount);
  animation.stop();
  const int stoppedAt = animation.frame();
  QTest::qWait(300);
  EXPECT_FALSE(animation.isPlaying());
  EXPECT_EQ(animation.frame(), stoppedAt);
}
