#pragma once
// Free-standing helpers shared by the dialogs, the 3D view and the plan export.

#include <cstdint>
#include <string>
#include <string_view>

// True when the text is a whole number in the int32 range and not negative.
// Empty text, stray characters and out-of-range values give false.
bool isNonNegativeInteger(std::string_view text);
// True when the text is a finite decimal number whose value truncated toward zero is
// not negative (so "-0.5" passes; the carton dialog tests negative weights itself).
bool isNonNegativeNumber(std::string_view text);

// Packed colour 0x00BBGGRR (red in the lowest byte) of carton colour index 0-9;
// black for any other index.
std::uint32_t materialColor(std::int32_t index);

// Replaces every occurrence of pattern in source, left to right, comparing bytes exactly.
// The search goes on right after each inserted replacement, so inserted text is never
// searched again. The result ends at its first zero byte. An empty pattern finds nothing.
std::string replaceAll(std::string_view source, std::string_view pattern, std::string_view replacement);

// Full path of the system's web browser: x-www-browser, sensible-browser, or else the first
// common browser found on PATH. Empty when there is none.
std::string browserPath();
// Full path of the desktop's opener for documents and web addresses (xdg-open), or empty.
std::string fileAssociationOpener();
// Shows a document (a file path or a web address): in the web browser, or failing that with
// the program the desktop associates with it. True when a program was started with it.
bool openDocument(const std::string& document);
// The same with the two programs given; an empty or unstartable program is passed over.
// Each is started on its own, detached, with the document as its one argument.
bool openDocumentWith(const std::string& browser, const std::string& opener,
                      const std::string& document);

// The folder of the running executable, with a trailing '/'; "./" when it cannot be found.
std::string programFolder();
