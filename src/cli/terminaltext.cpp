#include "cli/terminaltext.h"

#include <cstdio>

std::string escapeControlCharacters(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    char escaped[8];
    if (byte == '\t') {
      out += "\\t";
    } else if (byte == '\n') {
      out += "\\n";
    } else if (byte == '\r') {
      out += "\\r";
    } else if (byte < 0x20 || byte == 0x7f) {
      std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
      out += escaped;
    } else if (byte == 0xc2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
               static_cast<unsigned char>(utf8[i + 1]) <= 0x9f) {
      // U+0080-U+009F, encoded as C2 80 - C2 9F.
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(utf8[i + 1]));
      out += escaped;
      ++i;
    } else {
      out += utf8[i];
    }
  }
  return out;
}

std::string escapeControlCharactersByLine(std::string_view utf8) {
  std::string out;
  for (std::size_t start = 0; start < utf8.size();) {
    const std::size_t end = utf8.find('\n', start);
    out += escapeControlCharacters(utf8.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) break;
    out += '\n';
    start = end + 1;
  }
  return out;
}
