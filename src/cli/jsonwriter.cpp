#include "cli/jsonwriter.h"

#include <charconv>
#include <cmath>

#include "model/blockscheme.h"

std::string jsonString(std::string_view utf8) {
  std::string out = "\"";
  for (const char ch : utf8) {
    const auto byte = static_cast<unsigned char>(ch);
    switch (ch) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (byte < 0x20) {
          static const char hex[] = "0123456789abcdef";
          out += "\\u00";
          out += hex[byte >> 4];
          out += hex[byte & 0xf];
        } else {
          out += ch;
        }
    }
  }
  return out + "\"";
}

std::string jsonNumber(double value) {
  // JSON has no infinity or NaN; the statistics never produce them.
  if (!std::isfinite(value)) return "null";
  char text[64];
  std::to_chars_result result{};
  if (value == std::trunc(value) && std::fabs(value) < 1e17) {
    result = std::to_chars(text, text + sizeof text, static_cast<long long>(value));
  } else {
    result = std::to_chars(text, text + sizeof text, value);
  }
  return std::string(text, result.ptr);
}

std::string jsonArray(const std::vector<std::string>& items, std::string_view separator) {
  std::string out = "[";
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out += separator;
    out += items[i];
  }
  return out + "]";
}

JsonObject& JsonObject::addText(std::string_view key, std::string_view text) {
  return addJson(key, jsonString(text));
}

JsonObject& JsonObject::addInteger(std::string_view key, std::int64_t value) {
  return addJson(key, std::to_string(value));
}

JsonObject& JsonObject::addNumber(std::string_view key, double value) {
  return addJson(key, jsonNumber(value));
}

JsonObject& JsonObject::addJson(std::string_view key, std::string json) {
  members_.emplace_back(std::string(key), std::move(json));
  return *this;
}

std::string JsonObject::str(std::string_view separator, std::string_view keyValueSpace) const {
  std::string out = "{";
  for (std::size_t i = 0; i < members_.size(); ++i) {
    if (i > 0) out += separator;
    out += jsonString(members_[i].first);
    out += ":";
    out += keyValueSpace;
    out += members_[i].second;
  }
  return out + "}";
}

std::string blockJson(const BlockScheme& b) {
  return JsonObject()
      .addInteger("x", b.x)
      .addInteger("y", b.y)
      .addInteger("z", b.z)
      .addInteger("sizeX", b.sizeX)
      .addInteger("sizeY", b.sizeY)
      .addInteger("sizeZ", b.sizeZ)
      .addInteger("nx", b.nx)
      .addInteger("ny", b.ny)
      .addInteger("nz", b.nz)
      .addInteger("orientation", b.orientation)
      .addInteger("material", b.material)
      .addInteger("count", b.count)
      .addInteger("gapX", b.gapX)
      .addInteger("gapY", b.gapY)
      .addInteger("gapZ", b.gapZ)
      .addInteger("cartonIndex", b.cartonIndex)
      .addText("cartonName", b.cartonName)
      .str(",", "");
}
