#include "export/templateencoding.h"

#include <gtest/gtest.h>

#include <string>

#include "model/gbk.h"

namespace {

struct EncodingCase {
  const char* what;
  std::string bytes;
  TextEncoding expected;
};

std::string gbkBytes(const char* utf8) { return *utf8ToGbk(utf8); }

class TemplateEncodingOf : public ::testing::TestWithParam<EncodingCase> {};

}  // namespace

TEST_P(TemplateEncodingOf, isTheDeclaredOneElseWhatTheBytesAre) {
  EXPECT_EQ(templateEncoding(GetParam().bytes), GetParam().expected) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Templates, TemplateEncodingOf,
    ::testing::Values(EncodingCase{"UTF-8 without a declaration", "<h1>装箱方案</h1>", TextEncoding::Utf8},
                      EncodingCase{"GBK without a declaration", gbkBytes("<h1>装箱方案</h1>"), TextEncoding::Gbk},
                      EncodingCase{"plain ASCII", "<p>[装箱合计]</p>", TextEncoding::Utf8},
                      EncodingCase{"declared gbk", "<meta charset=gbk><p>plan</p>", TextEncoding::Gbk},
                      EncodingCase{"declared GB2312 in quotes", "<meta charset=\"GB2312\">", TextEncoding::Gbk},
                      EncodingCase{"declared gb18030", "content=\"text/html; charset=gb18030\"", TextEncoding::Gbk},
                      EncodingCase{"declared UTF-8 over GBK bytes", "<meta charset='UTF-8'>" + gbkBytes("纸箱"),
                                   TextEncoding::Utf8},
                      EncodingCase{"an unknown charset decides nothing", "<meta charset=latin1>\xB4\xF3",
                                   TextEncoding::Gbk}));

TEST(Utf8Text, isRecognisedAndBrokenSequencesAreNot) {
  EXPECT_TRUE(isValidUtf8(""));
  EXPECT_TRUE(isValidUtf8("plain"));
  EXPECT_TRUE(isValidUtf8("纸箱 \xF0\x9F\x93\xA6"));
  EXPECT_FALSE(isValidUtf8("\xE7\xBA"));      // cut short
  EXPECT_FALSE(isValidUtf8("\xC0\xAF"));      // an overlong slash
  EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));  // a surrogate
  EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80"));  // beyond Unicode
  EXPECT_FALSE(isValidUtf8(gbkBytes("装箱")));
}
