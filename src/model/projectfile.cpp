// The project file (".pak"): a 92-byte header and one 87-byte record per carton type,
// packed little-endian fields, names in GBK in zero-filled 50-byte fields.
//
//   header  0 magic "CLYX200" + 3 zero bytes, 10 three int32 5s, 22 container name,
//          72 length, 76 width, 80 height, 84 maxWeight, 88 N
//   record  0 name, 50 length, 54 width, 58 height, 62 mustUp (byte), 63 upendLayers,
//          67 weight (float64), 75 material, 79 count, 83 spaceIndex

#include <array>
#include <bit>
#include <cmath>
#include <cstring>

#include "model/projectinput.h"
#include "model/gbk.h"
#include "model/projectfile.h"

namespace {

constexpr std::array<std::uint8_t, 10> kMagic = {'C', 'L', 'Y', 'X', '2', '0', '0', 0, 0, 0};
constexpr std::int32_t kVersionMark = 5;

class Writer {
 public:
  void bytes(const void* data, std::size_t size) {
    const auto* p = static_cast<const std::uint8_t*>(data);
    out_.insert(out_.end(), p, p + size);
  }
  void int32(std::int32_t value) { uint64(static_cast<std::uint32_t>(value), 4); }
  void uint8(std::uint8_t value) { out_.push_back(value); }
  void float64(double value) { uint64(std::bit_cast<std::uint64_t>(value), 8); }
  // A name field: the GBK bytes, then zeros up to the field size.
  void name(const std::string& gbk) {
    bytes(gbk.data(), gbk.size());
    out_.resize(out_.size() + (kProjectNameFieldSize - gbk.size()), 0);
  }
  std::vector<std::uint8_t> take() { return std::move(out_); }

 private:
  void uint64(std::uint64_t value, int size) {
    for (int i = 0; i < size; ++i) out_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }
  std::vector<std::uint8_t> out_;
};

class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> in) : in_(in) {}
  std::int32_t int32(std::size_t at) const { return static_cast<std::int32_t>(uint64(at, 4)); }
  std::uint8_t uint8(std::size_t at) const { return in_[at]; }
  double float64(std::size_t at) const { return std::bit_cast<double>(uint64(at, 8)); }
  // A name field: GBK text up to a zero terminator, with only zeros after it, that
  // converts to UTF-8 and back to the very same bytes.
  std::optional<std::string> name(std::size_t at) const {
    auto field = in_.subspan(at, kProjectNameFieldSize);
    const auto* end = static_cast<const std::uint8_t*>(std::memchr(field.data(), 0, field.size()));
    if (end == nullptr) return std::nullopt;
    const std::size_t length = static_cast<std::size_t>(end - field.data());
    for (std::size_t i = length; i < field.size(); ++i)
      if (field[i] != 0) return std::nullopt;
    std::string_view gbk(reinterpret_cast<const char*>(field.data()), length);
    auto utf8 = gbkToUtf8(gbk);
    if (!utf8) return std::nullopt;
    auto back = utf8ToGbk(*utf8);
    if (!back || *back != gbk) return std::nullopt;
    return utf8;
  }

 private:
  std::uint64_t uint64(std::size_t at, int size) const {
    std::uint64_t value = 0;
    for (int i = 0; i < size; ++i) value |= static_cast<std::uint64_t>(in_[at + i]) << (8 * i);
    return value;
  }
  std::span<const std::uint8_t> in_;
};

bool isValidCarton(const Carton& c) {
  return c.length >= 1 && c.width >= 1 && c.height >= 1 && c.upendLayers >= 0 &&
         std::isfinite(c.weight) && c.weight >= 0.0 && c.material >= 0 &&
         c.material < kMaterialCount && c.count >= 1 &&
         (c.spaceIndex == kSpaceInner || c.spaceIndex == kSpaceNone || c.spaceIndex == kSpaceDoor);
}

bool isValidContainer(const Container& c) {
  return c.length >= 0 && c.width >= 0 && c.height >= 0 && c.maxWeight >= 0;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ProjectInput::saveToStream() const {
  auto gbkName = [](const std::string& name) -> std::optional<std::string> {
    if (!isStorableName(name)) return std::nullopt;
    return utf8ToGbk(name);
  };
  Writer out;
  out.bytes(kMagic.data(), kMagic.size());
  for (int i = 0; i < 3; ++i) out.int32(kVersionMark);
  auto containerName = gbkName(container.name);
  if (!containerName) return std::nullopt;
  out.name(*containerName);
  out.int32(container.length);
  out.int32(container.width);
  out.int32(container.height);
  out.int32(container.maxWeight);
  out.int32(static_cast<std::int32_t>(cartons.size()));
  for (const Carton& c : cartons) {
    auto name = gbkName(c.name);
    if (!name) return std::nullopt;
    out.name(*name);
    out.int32(c.length);
    out.int32(c.width);
    out.int32(c.height);
    out.uint8(c.mustUp ? 1 : 0);
    out.int32(c.upendLayers);
    out.float64(c.weight);
    out.int32(c.material);
    out.int32(c.count);
    out.int32(c.spaceIndex);
  }
  return out.take();
}

std::uint64_t expectedProjectFileSize(std::span<const std::uint8_t> header) {
  if (header.size() < kProjectHeaderSize) return 0;
  const std::int32_t n = Reader(header).int32(88);
  if (n < 0) return 0;
  return kProjectHeaderSize + static_cast<std::uint64_t>(n) * kProjectRecordSize;
}

bool ProjectInput::loadFromStream(std::span<const std::uint8_t> stream) {
  if (stream.size() < kProjectHeaderSize) return false;
  if (!std::equal(kMagic.begin(), kMagic.end(), stream.begin())) return false;
  Reader in(stream);
  for (std::size_t at = 10; at < 22; at += 4)
    if (in.int32(at) != kVersionMark) return false;
  const std::int32_t n = in.int32(88);
  if (n < 0) return false;
  const std::uint64_t expected =
      kProjectHeaderSize + static_cast<std::uint64_t>(n) * kProjectRecordSize;
  if (stream.size() != expected) return false;

  Container loadedContainer;
  auto containerName = in.name(22);
  if (!containerName) return false;
  loadedContainer.name = std::move(*containerName);
  loadedContainer.length = in.int32(72);
  loadedContainer.width = in.int32(76);
  loadedContainer.height = in.int32(80);
  loadedContainer.maxWeight = in.int32(84);
  if (!isValidContainer(loadedContainer)) return false;

  std::vector<Carton> loadedCartons;
  loadedCartons.reserve(static_cast<std::size_t>(n));
  for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i) {
    const std::size_t at = kProjectHeaderSize + i * kProjectRecordSize;
    Carton c;
    auto name = in.name(at);
    if (!name) return false;
    c.name = std::move(*name);
    c.length = in.int32(at + 50);
    c.width = in.int32(at + 54);
    c.height = in.int32(at + 58);
    const std::uint8_t mustUp = in.uint8(at + 62);
    if (mustUp > 1) return false;
    c.mustUp = mustUp == 1;
    c.upendLayers = in.int32(at + 63);
    c.weight = in.float64(at + 67);
    c.material = in.int32(at + 75);
    c.count = in.int32(at + 79);
    c.spaceIndex = in.int32(at + 83);
    if (!isValidCarton(c)) return false;
    loadedCartons.push_back(std::move(c));
  }

  container = std::move(loadedContainer);
  cartons = std::move(loadedCartons);
  return true;
}
