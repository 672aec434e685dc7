#pragma once
// The JSON a verb printed, parsed: members keep their order, so equal objects hold the
// same members in the same places.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>

using Json = nlohmann::ordered_json;

// The document in text, or null after a test failure naming what did not parse.
inline Json parsedJson(const std::string& text) {
  try {
    return Json::parse(text);
  } catch (const Json::exception& e) {
    ADD_FAILURE() << "not JSON: " << e.what() << "\n" << text.substr(0, 500);
    return nullptr;
  }
}

// The keys of an object, in order.
inline std::vector<std::string> keysOf(const Json& object) {
  std::vector<std::string> keys;
  if (object.is_object())
    for (const auto& [key, value] : object.items()) keys.push_back(key);
  return keys;
}
