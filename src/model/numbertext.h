#pragma once
// Checks on the numbers typed into the dialogs' boxes.

#include <string_view>

// True when the text is a whole number in the int32 range and not negative.
// Empty text, stray characters and out-of-range values give false.
bool isNonNegativeInteger(std::string_view text);
// True when the text is a finite decimal number whose value truncated toward zero is
// not negative (so "-0.5" passes; the carton dialog tests negative weights itself).
bool isNonNegativeNumber(std::string_view text);
