#include "commands/entrycheck.h"

#include <charconv>

#include "model/language.h"
#include "model/numbertext.h"
#include "model/gbk.h"

namespace {

// The number of characters of valid UTF-8 text: every byte that does not continue one.
std::size_t characterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (unsigned char byte : utf8)
    if ((byte & 0xC0) != 0x80) ++count;
  return count;
}

std::string_view withoutPlus(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  return text;
}

}  // namespace

std::string inputProblemMessage() {
  return inLanguage("您输入的内容存在问题，请检查后重新输入。",
                    "Something you entered is not valid; please check it and enter it again.");
}

std::string unstorableNameMessage() {
  return inLanguage("您输入的名称无法保存，请检查后重新输入。名称最长30个字符，保存时最多占49个字节"
                    "（一个汉字占2个字节），并且只能使用GBK字符集中的字符。",
                    "The name you entered cannot be saved; please check it and enter it again. A name "
                    "has at most 30 characters, takes at most 49 bytes when saved (a Chinese "
                    "character takes 2 bytes), and uses only characters of the GBK character set.");
}

bool isAcceptableName(std::string_view utf8) {
  // isStorableName refuses invalid UTF-8, so counting lead bytes is exact afterwards.
  return isStorableName(utf8) && characterCount(utf8) <= static_cast<std::size_t>(kMaxNameChars);
}

std::optional<std::int32_t> readCheckedInteger(std::string_view text) {
  if (!isNonNegativeInteger(text)) return std::nullopt;
  text = withoutPlus(text);
  std::int32_t value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

std::optional<double> readCheckedNumber(std::string_view text) {
  if (!isNonNegativeNumber(text)) return std::nullopt;
  text = withoutPlus(text);
  double value = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

std::string numberText(double value) {
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}
