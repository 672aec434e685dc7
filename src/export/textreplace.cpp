#include "export/textreplace.h"

std::string replaceAll(std::string_view source, std::string_view pattern, std::string_view replacement) {
  // One pass over the source: the search resumes right after each occurrence, which is
  // where it resumes in the text after the replacement was inserted.
  std::string text;
  std::size_t from = 0;
  if (!pattern.empty()) {
    for (std::size_t found = source.find(pattern); found != std::string_view::npos;
         found = source.find(pattern, from)) {
      text.append(source.substr(from, found - from));
      text.append(replacement);
      from = found + pattern.size();
    }
  }
  text.append(source.substr(from));
  const std::size_t zero = text.find('\0');
  if (zero != std::string::npos) text.resize(zero);
  return text;
}

std::string escapeHtml(const std::string& text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char ch : text) {
    switch (ch) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '"': escaped += "&quot;"; break;
      case '\'': escaped += "&#39;"; break;
      default: escaped += ch;
    }
  }
  return escaped;
}
