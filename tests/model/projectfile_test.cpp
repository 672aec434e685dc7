#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>

#include "exampleprojects.h"
#include "model/fillscheme.h"
#include "model/projectfile.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void putInt32(Bytes& b, std::size_t at, std::int32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i));
}

void putDouble(Bytes& b, std::size_t at, double v) {
  const auto bits = std::bit_cast<std::uint64_t>(v);
  for (int i = 0; i < 8; ++i) b[at + i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

std::int32_t int32At(const Bytes& b, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(b[at + i]) << (8 * i);
  return static_cast<std::int32_t>(v);
}

// The demo project file, written out by hand as another program would write it.
Bytes demoFileByHand() {
  Bytes b(92, 0);
  std::memcpy(b.data(), "CLYX200", 7);
  putInt32(b, 10, 5);
  putInt32(b, 14, 5);
  putInt32(b, 18, 5);
  const char name[] = "\xD1\xDD\xCA\xBE\xBC\xAF\xD7\xB0\xCF\xE4";  // 演示集装箱 in GBK
  std::memcpy(b.data() + 22, name, 10);
  putInt32(b, 72, 11800);
  putInt32(b, 76, 2300);
  putInt32(b, 80, 2450);
  putInt32(b, 84, 20000);
  putInt32(b, 88, 0);
  return b;
}

FillScheme projectWithTwoCartons() {
  FillScheme p;
  Carton& a = p.addCarton();
  a.length = 600;
  a.width = 400;
  a.height = 300;
  a.mustUp = true;
  a.upendLayers = 2;
  a.weight = 12.5;
  a.count = 40;
  a.spaceIndex = kSpaceDoor;
  Carton& b = p.addCarton();
  b.name = "洗衣机×2";
  b.length = 650;
  b.width = 600;
  b.height = 900;
  b.weight = 62;
  b.count = 7;
  b.material = 9;
  b.spaceIndex = kSpaceInner;
  return p;
}

void expectSameInput(const FillScheme& a, const FillScheme& b) {
  EXPECT_EQ(a.container, b.container);
  ASSERT_EQ(a.cartons.size(), b.cartons.size());
  for (std::size_t i = 0; i < a.cartons.size(); ++i) {
    const Carton& x = a.cartons[i];
    const Carton& y = b.cartons[i];
    EXPECT_EQ(x.name, y.name);
    EXPECT_EQ(x.length, y.length);
    EXPECT_EQ(x.width, y.width);
    EXPECT_EQ(x.height, y.height);
    EXPECT_EQ(x.mustUp, y.mustUp);
    EXPECT_EQ(x.upendLayers, y.upendLayers);
    EXPECT_EQ(x.weight, y.weight);
    EXPECT_EQ(x.material, y.material);
    EXPECT_EQ(x.count, y.count);
    EXPECT_EQ(x.spaceIndex, y.spaceIndex);
  }
}

}  // namespace

TEST(ProjectFile, demoProjectIsNinetyTwoBytes) {
  FillScheme p;
  auto bytes = p.saveToStream();
  ASSERT_TRUE(bytes);
  EXPECT_EQ(*bytes, demoFileByHand());
}

TEST(ProjectFile, cartonRecordIsPackedWithoutGaps) {
  FillScheme p = projectWithTwoCartons();
  auto bytes = p.saveToStream();
  ASSERT_TRUE(bytes);
  ASSERT_EQ(bytes->size(), 92u + 2 * 87);
  const std::size_t r = 92;
  EXPECT_EQ(int32At(*bytes, 88), 2);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&(*bytes)[r])), "\xD6\xBD\xCF\xE4" "1");  // 纸箱1
  EXPECT_EQ(int32At(*bytes, r + 50), 600);
  EXPECT_EQ(int32At(*bytes, r + 54), 400);
  EXPECT_EQ(int32At(*bytes, r + 58), 300);
  EXPECT_EQ((*bytes)[r + 62], 1);
  EXPECT_EQ(int32At(*bytes, r + 63), 2);
  Bytes expectedWeight(8);
  putDouble(expectedWeight, 0, 12.5);
  EXPECT_TRUE(std::equal(expectedWeight.begin(), expectedWeight.end(), bytes->begin() + r + 67));
  EXPECT_EQ(int32At(*bytes, r + 75), 0);
  EXPECT_EQ(int32At(*bytes, r + 79), 40);
  EXPECT_EQ(int32At(*bytes, r + 83), 200);
  const std::size_t r2 = 92 + 87;
  EXPECT_EQ((*bytes)[r2 + 62], 0);
  EXPECT_EQ(int32At(*bytes, r2 + 75), 9);
  EXPECT_EQ(int32At(*bytes, r2 + 83), 0);
}

TEST(ProjectFile, savingTwiceGivesTheSameBytes) {
  FillScheme p = projectWithTwoCartons();
  EXPECT_EQ(p.saveToStream(), p.saveToStream());
}

TEST(ProjectFile, roundTripKeepsInputButNotResultOrSpacing) {
  FillScheme p = projectWithTwoCartons();
  p.container = Container{"A", 5898, 2352, 2393, 21000};
  p.result.containers.push_back(LoadedContainer{p.container, {BlockScheme{}}});
  auto bytes = p.saveToStream();
  ASSERT_TRUE(bytes);

  FillScheme q;
  q.spacingL = 1;
  q.spacingW = 2;
  q.spacingH = 3;
  ASSERT_TRUE(q.loadFromStream(*bytes));
  expectSameInput(p, q);
  EXPECT_EQ(q.spacingL, 1);
  EXPECT_EQ(q.spacingW, 2);
  EXPECT_EQ(q.spacingH, 3);
  EXPECT_EQ(q.saveToStream(), bytes);
}

TEST(ProjectFile, readsAFileWrittenByAnotherProgram) {
  FillScheme p;
  p.cartons.emplace_back();
  Bytes bytes = demoFileByHand();
  ASSERT_TRUE(p.loadFromStream(bytes));
  EXPECT_EQ(p.container, Container{});
  EXPECT_TRUE(p.cartons.empty());
}

TEST(ProjectFile, refusesNamesItCannotWriteWhole) {
  FillScheme p;
  p.container.name = std::string(50, 'x');
  EXPECT_FALSE(p.saveToStream());
  p.container.name = std::string(49, 'x');
  EXPECT_TRUE(p.saveToStream());
  p.addCarton().name = "📦";
  EXPECT_FALSE(p.saveToStream());
}

TEST(ProjectFile, everyTruncatedPrefixAndAnyTrailingByteIsRefused) {
  const Bytes good = *projectWithTwoCartons().saveToStream();
  for (std::size_t size = 0; size < good.size(); ++size) {
    FillScheme p;
    EXPECT_FALSE(p.loadFromStream(std::span(good.data(), size))) << size;
    EXPECT_EQ(p.container, Container{});
    EXPECT_TRUE(p.cartons.empty());
  }
  Bytes longer = good;
  longer.push_back(0);
  FillScheme p;
  EXPECT_FALSE(p.loadFromStream(longer));
}

struct Corruption {
  const char* what;
  std::size_t offset;  // where to write
  std::int32_t value;  // as int32 unless byteOnly
  bool byteOnly;
};

class ProjectFileRejects : public ::testing::TestWithParam<Corruption> {};

TEST_P(ProjectFileRejects, leavesTheProjectUntouched) {
  Bytes bytes = *projectWithTwoCartons().saveToStream();
  const Corruption& c = GetParam();
  if (c.byteOnly)
    bytes[c.offset] = static_cast<std::uint8_t>(c.value);
  else
    putInt32(bytes, c.offset, c.value);
  FillScheme p;
  p.addCarton().count = 77;
  p.container.name = "mine";
  EXPECT_FALSE(p.loadFromStream(bytes)) << c.what;
  EXPECT_EQ(p.container.name, "mine");
  ASSERT_EQ(p.cartons.size(), 1u);
  EXPECT_EQ(p.cartons[0].count, 77);
}

constexpr std::size_t R = 92;  // first record
INSTANTIATE_TEST_SUITE_P(
    BadFiles, ProjectFileRejects,
    ::testing::Values(
        Corruption{"magic", 0, 'c', true}, Corruption{"magic padding", 8, 1, true},
        Corruption{"version mark", 14, 6, false}, Corruption{"negative N", 88, -1, false},
        Corruption{"N too large", 88, 3, false}, Corruption{"N huge", 88, 0x7FFFFFFF, false},
        Corruption{"N one short", 88, 1, false},
        Corruption{"container name without terminator", 22 + 49, 'x', true},
        Corruption{"byte after the terminator", 22 + 30, 'x', true},
        Corruption{"container name not GBK", 22, 0xFF, true},
        Corruption{"negative container length", 72, -1, false},
        Corruption{"negative container width", 76, -5, false},
        Corruption{"negative container height", 80, -5, false},
        Corruption{"negative maximum load", 84, -1, false},
        Corruption{"carton name not GBK", R + 1, 0x20, true},
        Corruption{"carton name without terminator", R + 87 + 49, 'x', true},
        Corruption{"zero length", R + 50, 0, false}, Corruption{"zero width", R + 54, 0, false},
        Corruption{"negative height", R + 58, -300, false},
        Corruption{"mustUp not a bool", R + 62, 2, true},
        Corruption{"negative upend layers", R + 63, -1, false},
        Corruption{"colour 10", R + 75, 10, false}, Corruption{"colour -1", R + 75, -1, false},
        Corruption{"count 0", R + 79, 0, false}, Corruption{"count -3", R + 87 + 79, -3, false},
        Corruption{"position 1", R + 83, 1, false}, Corruption{"position 300", R + 83, 300, false}));

TEST(ProjectFile, refusesWeightsNoProgramCouldSave) {
  const Bytes good = *projectWithTwoCartons().saveToStream();
  for (double weight : {-1.0, -0.5, std::numeric_limits<double>::infinity(),
                        std::numeric_limits<double>::quiet_NaN()}) {
    Bytes bytes = good;
    putDouble(bytes, R + 67, weight);
    FillScheme p;
    EXPECT_FALSE(p.loadFromStream(bytes)) << weight;
  }
  Bytes zero = good;
  putDouble(zero, R + 67, 0.0);
  FillScheme p;
  EXPECT_TRUE(p.loadFromStream(zero));
  EXPECT_EQ(p.cartons[0].weight, 0.0);
}

TEST(ProjectFile, acceptsTheValuesTheDialogsAllow) {
  FillScheme p;
  p.container = Container{"", 0, 0, 0, 0};  // sizes of 0 pass the container dialog
  Carton& c = p.addCarton();
  c.name = "";
  c.length = 40000;  // typed beyond the up-down range
  c.width = 1;
  c.height = 1;
  c.count = 50000;
  c.upendLayers = 12;
  auto bytes = p.saveToStream();
  ASSERT_TRUE(bytes);
  FillScheme q;
  ASSERT_TRUE(q.loadFromStream(*bytes));
  expectSameInput(p, q);
}

TEST(ProjectFile, examplesMatchTheirDefinitionsAndLoad) {
  for (const ExampleProject& example : exampleProjects()) {
    if (projectFormatOfName(example.fileName) == ProjectFormat::Clyx) {
      FillScheme opened;
      ASSERT_TRUE(loadProjectFile(std::string(CARGOLYX_EXAMPLES_DIR) + "/" + example.fileName, opened))
          << example.fileName << " is missing: write it with cargolyx-make-examples";
      EXPECT_EQ(opened, example.project) << example.fileName << " is out of date: rebuild it with cargolyx-make-examples";
      continue;
    }
    std::ifstream in(std::string(CARGOLYX_EXAMPLES_DIR) + "/" + example.fileName, std::ios::binary);
    ASSERT_TRUE(in) << example.fileName;
    Bytes onDisk((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(onDisk, example.project.saveToStream())
        << example.fileName << " is out of date: rebuild it with cargolyx-make-examples";
    FillScheme loaded;
    ASSERT_TRUE(loaded.loadFromStream(onDisk)) << example.fileName;
    expectSameInput(example.project, loaded);
    // Opened and saved as the window does: the same bytes again.
    FillScheme opened;
    ASSERT_TRUE(loadProjectFile(std::string(CARGOLYX_EXAMPLES_DIR) + "/" + example.fileName, opened));
    const std::string copy = ::testing::TempDir() + "/" + example.fileName;
    ASSERT_TRUE(saveProjectFile(copy, opened));
    EXPECT_EQ(readWholeFile(copy), onDisk) << example.fileName;
  }
}
