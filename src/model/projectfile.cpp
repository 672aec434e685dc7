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
#include <optional>

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

// What is wrong with a carton record, or nothing.
std::optional<std::string> cartonProblem(const Carton& c) {
  if (c.length < 1 || c.width < 1 || c.height < 1) return "an edge below 1 mm";
  if (c.upendLayers < 0) return "fewer than 0 lying layers";
  if (!std::isfinite(c.weight) || c.weight < 0.0) return "a weight that is not a number of at least 0";
  if (c.material < 0 || c.material >= kMaterialCount) return "a colour outside 0-9";
  if (c.count < 1) return "a count below 1";
  if (c.spaceIndex != kSpaceInner && c.spaceIndex != kSpaceNone && c.spaceIndex != kSpaceDoor)
    return "a position requirement other than 0, 100 or 200";
  return std::nullopt;
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

bool hasProjectMagic(std::span<const std::uint8_t> bytes) {
  constexpr std::size_t kName = 7;  // "CLYX200"; the three zeros after it are checked as the header is read
  return bytes.size() >= kName && std::equal(kMagic.begin(), kMagic.begin() + kName, bytes.begin());
}

std::optional<std::string> readProjectImage(std::span<const std::uint8_t> stream, ProjectInput& input) {
  if (!hasProjectMagic(stream)) return "no CLYX200 header";
  if (stream.size() < kProjectHeaderSize)
    return "the header ends after " + std::to_string(stream.size()) + " of its " + std::to_string(kProjectHeaderSize) + " bytes";
  if (!std::equal(kMagic.begin(), kMagic.end(), stream.begin())) return "bytes 7-9: not the zeros after CLYX200";
  Reader in(stream);
  for (std::size_t at = 10; at < 22; at += 4)
    if (in.int32(at) != kVersionMark) return "byte " + std::to_string(at) + ": not the header's version mark";
  const std::int32_t n = in.int32(88);
  if (n < 0) return "byte 88: a carton count of " + std::to_string(n);
  const std::uint64_t expected =
      kProjectHeaderSize + static_cast<std::uint64_t>(n) * kProjectRecordSize;
  if (stream.size() != expected)
    return std::to_string(stream.size()) + " bytes where " + std::to_string(n) + " carton types take " +
           std::to_string(expected);

  Container loadedContainer;
  auto containerName = in.name(22);
  if (!containerName) return "byte 22: the container's name is not GBK text ending in zeros";
  loadedContainer.name = std::move(*containerName);
  loadedContainer.length = in.int32(72);
  loadedContainer.width = in.int32(76);
  loadedContainer.height = in.int32(80);
  loadedContainer.maxWeight = in.int32(84);
  if (!isValidContainer(loadedContainer)) return "bytes 72-87: a container size or load below 0";

  std::vector<Carton> loadedCartons;
  loadedCartons.reserve(static_cast<std::size_t>(n));
  for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i) {
    const std::size_t at = kProjectHeaderSize + i * kProjectRecordSize;
    const std::string where = "carton " + std::to_string(i + 1) + " (byte " + std::to_string(at) + "): ";
    Carton c;
    auto name = in.name(at);
    if (!name) return where + "the name is not GBK text ending in zeros";
    c.name = std::move(*name);
    c.length = in.int32(at + 50);
    c.width = in.int32(at + 54);
    c.height = in.int32(at + 58);
    const std::uint8_t mustUp = in.uint8(at + 62);
    if (mustUp > 1) return where + "an upright mark other than 0 or 1";
    c.mustUp = mustUp == 1;
    c.upendLayers = in.int32(at + 63);
    c.weight = in.float64(at + 67);
    c.material = in.int32(at + 75);
    c.count = in.int32(at + 79);
    c.spaceIndex = in.int32(at + 83);
    if (auto problem = cartonProblem(c)) return where + *problem;
    loadedCartons.push_back(std::move(c));
  }

  input.container = std::move(loadedContainer);
  input.cartons = std::move(loadedCartons);
  return std::nullopt;
}

bool ProjectInput::loadFromStream(std::span<const std::uint8_t> stream) {
  return !readProjectImage(stream, *this);
}
