#include "export/templateencoding.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>
#include <string>

namespace {

std::string lowerCase(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

// The encoding named by the first "charset=" of the text, if it names one we know.
std::optional<TextEncoding> declaredEncoding(std::string_view bytes) {
  const std::string lower = lowerCase(bytes);
  const std::size_t at = lower.find("charset=");
  if (at == std::string::npos) return std::nullopt;
  std::size_t start = at + 8;
  while (start < lower.size() && (lower[start] == '"' || lower[start] == '\'' || lower[start] == ' ')) ++start;
  const std::string_view name = std::string_view(lower).substr(start);
  if (name.starts_with("utf-8") || name.starts_with("utf8")) return TextEncoding::Utf8;
  for (const char* gbk : {"gbk", "gb2312", "gb18030"})
    if (name.starts_with(gbk)) return TextEncoding::Gbk;
  return std::nullopt;
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    std::size_t length = 0;
    std::uint32_t cp = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
      cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      cp = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      cp = lead & 0x07;
    } else {
      return false;
    }
    if (i + length > bytes.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values beyond Unicode are not UTF-8.
    if ((length == 3 && cp < 0x800) || (length == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF))
      return false;
    i += length;
  }
  return true;
}

TextEncoding templateEncoding(std::string_view templateBytes) {
  if (const auto declared = declaredEncoding(templateBytes)) return *declared;
  return isValidUtf8(templateBytes) ? TextEncoding::Utf8 : TextEncoding::Gbk;
}
