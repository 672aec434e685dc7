#include <gtest/gtest.h>

#include <QImage>

#include "ui/pictures.h"

namespace {

// Pixels that are not transparent: a picture that drew nothing has none.
int paintedPixels(const QImage& image) {
  int painted = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) painted += qAlpha(image.pixel(x, y)) > 0;
  return painted;
}

}  // namespace

TEST(Pictures, twelveTreePicturesAllDifferent) {
  std::vector<QImage> images;
  for (int i = 0; i < kTreePictureCount; ++i) {
    const QImage image = treePicture(i).pixmap(16, 16).toImage();
    EXPECT_EQ(image.size(), QSize(16, 16)) << i;
    EXPECT_GT(paintedPixels(image), 60) << i;
    for (const QImage& earlier : images) EXPECT_NE(image, earlier) << i;
    images.push_back(image);
  }
  EXPECT_TRUE(treePicture(-1).isNull());
  EXPECT_TRUE(treePicture(kTreePictureCount).isNull());
}

TEST(Pictures, cartonPictureFrontIsTheCartonColourInAMiddleShade) {
  // Bright red, index 1: the front face keeps the hue at three quarters of full value.
  const QColor front = cartonPicture(1).pixmap(16, 16).toImage().pixelColor(5, 10);
  EXPECT_EQ(front.hue(), 0);
  EXPECT_NEAR(front.valueF(), 0.75, 0.02);
  const QColor green = cartonPicture(0).pixmap(16, 16).toImage().pixelColor(5, 10);
  EXPECT_EQ(green.hue(), 120);
}

TEST(Pictures, programIconAndAboutPicture) {
  const QIcon icon = programIcon();
  EXPECT_GT(paintedPixels(icon.pixmap(64, 64).toImage()), 1000);
  EXPECT_GT(paintedPixels(icon.pixmap(16, 16).toImage()), 50);
  const QPixmap about = aboutPicture();
  EXPECT_EQ(about.size(), QSize(120, 120));
  EXPECT_GT(paintedPixels(about.toImage()), 10000);
}
