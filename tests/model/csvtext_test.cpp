#include <gtest/gtest.h>

#include "model/csvtext.h"

namespace {

std::vector<std::string> fieldsOf(const CsvText& csv, std::size_t record) {
  return csv.records.at(record).fields;
}

}  // namespace

TEST(CsvText, choosesTheSeparatorTheHeaderUsesMost) {
  EXPECT_EQ(csvSeparatorOf("name,length,width\n1;2;3;4;5\n"), ',');
  EXPECT_EQ(csvSeparatorOf("name;length;width\n"), ';');
  // A comma inside quotes is no separator.
  EXPECT_EQ(csvSeparatorOf("\"a,b,c\";length\n"), ';');
  EXPECT_EQ(csvSeparatorOf("name\n"), ',');
}

TEST(CsvText, splitsQuotedFieldsWithSeparatorsQuotesAndLineBreaks) {
  const CsvText csv = splitCsv("a,\"b,c\",\"say \"\"hi\"\"\"\r\n\"two\nlines\",x\n", ',');
  ASSERT_EQ(csv.badLine, 0u);
  ASSERT_EQ(csv.records.size(), 2u);
  EXPECT_EQ(fieldsOf(csv, 0), (std::vector<std::string>{"a", "b,c", "say \"hi\""}));
  EXPECT_EQ(fieldsOf(csv, 1), (std::vector<std::string>{"two\nlines", "x"}));
}

TEST(CsvText, countsLinesAcrossQuotedLineBreaksAndSkipsBlankLines) {
  const CsvText csv = splitCsv("h1;h2\r\n\r\n\"a\nb\";1\r\n ; \r\nc;2", ';');
  ASSERT_EQ(csv.records.size(), 3u);
  EXPECT_EQ(csv.records[0].line, 1u);
  EXPECT_EQ(csv.records[1].line, 3u);
  EXPECT_EQ(csv.records[2].line, 6u);
  EXPECT_EQ(fieldsOf(csv, 2), (std::vector<std::string>{"c", "2"}));
}

TEST(CsvText, trimsUnquotedFieldsAndKeepsQuotedSpaces) {
  const CsvText csv = splitCsv("  a  , \" b \" ,c\n", ',');
  EXPECT_EQ(fieldsOf(csv, 0), (std::vector<std::string>{"a", " b ", "c"}));
}

TEST(CsvText, reportsTheLineOfAnOpenQuoteOrTextAfterAClosingOne) {
  EXPECT_EQ(splitCsv("a,b\nc,\"open\nd,e\n", ',').badLine, 2u);
  EXPECT_EQ(splitCsv("a,b\nc,\"x\"y\n", ',').badLine, 2u);
}

TEST(CsvText, quotesAFieldOnlyWhereReadingItBackNeedsIt) {
  EXPECT_EQ(csvField("plain"), "plain");
  EXPECT_EQ(csvField("a,b"), "\"a,b\"");
  EXPECT_EQ(csvField("a;b", ';'), "\"a;b\"");
  EXPECT_EQ(csvField("say \"hi\""), "\"say \"\"hi\"\"\"");
  EXPECT_EQ(csvField(" padded"), "\" padded\"");
  for (const std::string value : {"a,b", "say \"hi\"", " padded ", "two\nlines", ""}) {
    const CsvText csv = splitCsv(csvField(value) + ",end\n", ',');
    ASSERT_EQ(csv.records.size(), 1u) << value;
    EXPECT_EQ(csv.records[0].fields.front(), value);
  }
}
