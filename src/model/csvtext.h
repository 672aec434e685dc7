#pragma once
// Comma-separated text as spreadsheets write it: fields split by a separator, fields in
// double quotes may hold the separator, line breaks and doubled quotes; lines end in LF
// or CRLF.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct CsvRecord {
  std::size_t line = 0;             // the line the record starts on, from 1
  std::vector<std::string> fields;  // unquoted fields lose their surrounding spaces
};

struct CsvText {
  std::vector<CsvRecord> records;  // blank lines are left out
  std::size_t badLine = 0;         // the line of a quote left open or stray text after one; 0 when none
};

// The separator the header line uses: ';' when it holds more semicolons than commas
// outside quotes, ',' otherwise.
char csvSeparatorOf(std::string_view text);

// Splits text into records.
CsvText splitCsv(std::string_view text, char separator);

// The field as it must be written to be read back the same: in quotes, with its quotes
// doubled, when it holds the separator, a quote, a line break or surrounding spaces.
std::string csvField(std::string_view value, char separator = ',');
