#pragma once
// A small writer for the JSON the command line prints: members in the order they are
// added, text as UTF-8, numbers that read back exactly.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct BlockScheme;

// A JSON string literal: quotes, backslashes and control characters escaped.
std::string jsonString(std::string_view utf8);
// A number that reads back as the same double: whole numbers below 1e17 as integers,
// others in the shortest form that round-trips.
std::string jsonNumber(double value);
// "[" items joined by separator "]".
std::string jsonArray(const std::vector<std::string>& items, std::string_view separator);

class JsonObject {
 public:
  JsonObject& addText(std::string_view key, std::string_view text);
  JsonObject& addInteger(std::string_view key, std::int64_t value);
  JsonObject& addNumber(std::string_view key, double value);
  // A member whose value is already JSON (an array, an object).
  JsonObject& addJson(std::string_view key, std::string json);
  // "{" members joined by separator "}"; keyValueSpace goes between a key and its value.
  std::string str(std::string_view separator, std::string_view keyValueSpace) const;

 private:
  std::vector<std::pair<std::string, std::string>> members_;
};

// One result block as the plans print it: vertex, extents, grid, orientation, colour,
// count, gaps and carton.
std::string blockJson(const BlockScheme& block);
