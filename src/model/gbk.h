#pragma once
// Text crosses into GBK only at the program's boundaries: the project file's name fields,
// the export template and the exported document. In memory all text is UTF-8.

#include <optional>
#include <string>
#include <string_view>

// UTF-8 to GBK; nothing when the text is not valid UTF-8 or holds a character GBK lacks.
std::optional<std::string> utf8ToGbk(std::string_view utf8);
// GBK to UTF-8; nothing when the bytes are not valid GBK.
std::optional<std::string> gbkToUtf8(std::string_view gbk);

// The most bytes a name may take in GBK: the project file's 50-byte field less its terminator.
inline constexpr std::size_t kMaxNameBytes = 49;
// The longest name, in characters, that the dialogs accept.
inline constexpr int kMaxNameChars = 30;

// True when the name can be saved to a project file without losing a character:
// GBK can encode it and it takes at most 49 bytes there.
bool isStorableName(std::string_view utf8);
