#include "model/csvtext.h"

namespace {

bool isSpace(char ch) { return ch == ' ' || ch == '\t'; }

std::string trimmed(std::string_view text) {
  while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
  return std::string(text);
}

bool isBlank(const std::vector<std::string>& fields) {
  for (const std::string& field : fields)
    if (!field.empty()) return false;
  return true;
}

}  // namespace

char csvSeparatorOf(std::string_view text) {
  std::size_t commas = 0, semicolons = 0;
  bool quoted = false;
  for (const char ch : text) {
    if (ch == '"') quoted = !quoted;
    else if (!quoted && (ch == '\n' || ch == '\r')) break;
    else if (!quoted && ch == ',') ++commas;
    else if (!quoted && ch == ';') ++semicolons;
  }
  return semicolons > commas ? ';' : ',';
}

CsvText splitCsv(std::string_view text, char separator) {
  CsvText result;
  std::size_t line = 1;
  std::size_t i = 0;
  while (i < text.size()) {
    CsvRecord record;
    record.line = line;
    bool endOfRecord = false;
    while (!endOfRecord) {
      std::string field;
      // Spaces before an opening quote do not count.
      const std::size_t begin = i;
      std::size_t start = i;
      while (start < text.size() && isSpace(text[start])) ++start;
      if (start < text.size() && text[start] == '"') {
        i = start + 1;
        bool closed = false;
        while (i < text.size()) {
          const char ch = text[i++];
          if (ch == '"') {
            if (i < text.size() && text[i] == '"') {
              field += '"';
              ++i;
            } else {
              closed = true;
              break;
            }
          } else {
            if (ch == '\n') ++line;
            field += ch;
          }
        }
        if (!closed) {
          result.badLine = record.line;
          return result;
        }
        while (i < text.size() && isSpace(text[i])) ++i;
        if (i < text.size() && text[i] != separator && text[i] != '\r' && text[i] != '\n') {
          result.badLine = line;
          return result;
        }
      } else {
        while (i < text.size() && text[i] != separator && text[i] != '\r' && text[i] != '\n') ++i;
        field = trimmed(text.substr(begin, i - begin));
      }
      record.fields.push_back(std::move(field));
      if (i < text.size() && text[i] == separator) {
        ++i;
        continue;
      }
      // A line break or the end of the text ends the record.
      if (i < text.size() && text[i] == '\r') ++i;
      if (i < text.size() && text[i] == '\n') ++i;
      ++line;
      endOfRecord = true;
    }
    if (!isBlank(record.fields)) result.records.push_back(std::move(record));
  }
  return result;
}

std::string csvField(std::string_view value, char separator) {
  const bool needsQuotes = value.find_first_of(std::string{'"', '\r', '\n', separator}) != std::string_view::npos ||
                           (!value.empty() && (isSpace(value.front()) || isSpace(value.back())));
  if (!needsQuotes) return std::string(value);
  std::string field = "\"";
  for (const char ch : value) {
    if (ch == '"') field += '"';
    field += ch;
  }
  return field + "\"";
}
