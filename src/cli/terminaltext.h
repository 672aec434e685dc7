#pragma once
// Text from project files on its way to a terminal: names may hold control characters
// (ESC, BEL, CR ...) that a terminal would obey rather than show.

#include <string>
#include <string_view>

// utf8 with every control character written visibly: \t, \n, \r, and \xHH for the others
// of U+0000-U+001F and U+007F, \u0080-\u009F for the C1 controls. Everything else, a
// backslash too, stays as it is.
std::string escapeControlCharacters(std::string_view utf8);

// The same for text of several lines: each line escaped, the line breaks kept.
std::string escapeControlCharactersByLine(std::string_view utf8);
