#pragma once
// The text encoding of an export template, and so of the document made from it: the
// templates that come with the program are UTF-8; a template of the user's own written in
// GBK makes a GBK document as before.

#include <string_view>

enum class TextEncoding { Utf8, Gbk };

// The charset the template declares (charset=utf-8, or gbk, gb2312, gb18030, in any
// letter case) when it declares one; otherwise UTF-8 when the bytes are valid UTF-8, else GBK.
TextEncoding templateEncoding(std::string_view templateBytes);
// True when the bytes are valid UTF-8.
bool isValidUtf8(std::string_view bytes);
