#include "view3d/bmptexture.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <vector>

namespace {

void putLe(QByteArray& bytes, int offset, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes[offset + i] = static_cast<char>(value >> (8 * i) & 0xFF);
}

// A 24-bit BMP of 3 x 2 pixels. Rows are stored bottom-up (or top-down for a negative
// height), blue-green-red, each padded to 4 bytes.
QByteArray bmp3x2(bool topDown) {
  const int rowBytes = 12;  // 9 bytes of pixels and 3 of padding
  QByteArray bytes(54 + 2 * rowBytes, '\0');
  bytes[0] = 'B';
  bytes[1] = 'M';
  putLe(bytes, 2, static_cast<std::uint32_t>(bytes.size()), 4);
  putLe(bytes, 10, 54, 4);
  putLe(bytes, 14, 40, 4);
  putLe(bytes, 18, 3, 4);
  putLe(bytes, 22, static_cast<std::uint32_t>(topDown ? -2 : 2), 4);
  putLe(bytes, 26, 1, 2);
  putLe(bytes, 28, 24, 2);
  putLe(bytes, 34, 2 * rowBytes, 4);
  // The picture: top line red, green, blue; bottom line white, black, grey.
  const std::uint8_t top[9] = {0, 0, 255, 0, 255, 0, 255, 0, 0};
  const std::uint8_t bottom[9] = {255, 255, 255, 0, 0, 0, 128, 128, 128};
  const int firstRow = 54, secondRow = 54 + rowBytes;
  for (int i = 0; i < 9; ++i) {
    bytes[(topDown ? firstRow : secondRow) + i] = static_cast<char>(top[i]);
    bytes[(topDown ? secondRow : firstRow) + i] = static_cast<char>(bottom[i]);
  }
  return bytes;
}

class LoadBmpTexture : public testing::Test {
 protected:
  QString write(const QString& name, const QByteArray& bytes) {
    const QString path = folder_.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
  }

 private:
  QTemporaryDir folder_;
};

const std::vector<std::uint8_t> kBottomUpRgb{255, 255, 255, 0, 0,   0, 128, 128, 128,
                                             255, 0,   0,   0, 255, 0, 0,   0,   255};

TEST_F(LoadBmpTexture, givesRgbRowsBottomUp) {
  for (const bool topDown : {false, true}) {
    const auto texture = loadBmpTexture(write("p.bmp", bmp3x2(topDown)), false);
    ASSERT_TRUE(texture.has_value());
    EXPECT_EQ(texture->width, 3);
    EXPECT_EQ(texture->height, 2);
    EXPECT_EQ(texture->components, 3);
    EXPECT_EQ(texture->format, 0x1907u);  // GL_RGB
    EXPECT_EQ(texture->type, 0x1401u);    // GL_UNSIGNED_BYTE
    EXPECT_EQ(texture->data, kBottomUpRgb) << (topDown ? "stored top-down" : "stored bottom-up");
  }
}

TEST_F(LoadBmpTexture, addsOpaqueAlphaWhenAsked) {
  const auto texture = loadBmpTexture(write("p.bmp", bmp3x2(false)), true);
  ASSERT_TRUE(texture.has_value());
  EXPECT_EQ(texture->components, 4);
  EXPECT_EQ(texture->format, 0x1908u);  // GL_RGBA
  ASSERT_EQ(texture->data.size(), 6u * 4u);
  for (std::size_t pixel = 0; pixel < 6; ++pixel) {
    for (std::size_t c = 0; c < 3; ++c) {
      EXPECT_EQ(texture->data[pixel * 4 + c], kBottomUpRgb[pixel * 3 + c]);
    }
    EXPECT_EQ(texture->data[pixel * 4 + 3], 255);
  }
}

TEST_F(LoadBmpTexture, givesNothingForMissingTruncatedOrForeignFiles) {
  EXPECT_FALSE(loadBmpTexture(QStringLiteral("/nonexistent/none.bmp"), false).has_value());
  EXPECT_FALSE(loadBmpTexture(write("empty.bmp", {}), false).has_value());
  EXPECT_FALSE(loadBmpTexture(write("short.bmp", bmp3x2(false).left(30)), false).has_value());
  const QByteArray png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
  EXPECT_FALSE(loadBmpTexture(write("png.bmp", png), false).has_value());
}

}  // namespace
