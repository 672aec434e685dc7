#pragma once
// Checks the dialogs share for the texts typed into their boxes, and the messages
// they show when a text is refused.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// "Something you entered is wrong; check and enter again."
std::string inputProblemMessage();
// Shown for a name that could not be saved without losing a character.
std::string unstorableNameMessage();

// True when a name fits the name boxes (at most 30 characters) and can be written to
// a project file in full (GBK can encode it in at most 49 bytes).
bool isAcceptableName(std::string_view utf8);

// The value of a text that passes isNonNegativeInteger; nothing for any other text.
std::optional<std::int32_t> readCheckedInteger(std::string_view text);
// The value of a text that passes isNonNegativeNumber (which lets "-0.5" through);
// nothing for any other text.
std::optional<double> readCheckedNumber(std::string_view text);

// A weight as its box shows it: the shortest decimal text that reads back as the same
// value ("0", "12.5").
std::string numberText(double value);
