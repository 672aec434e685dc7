#pragma once
// Filling the template's placeholders.

#include <string>
#include <string_view>

// Replaces every occurrence of pattern in source, left to right, comparing bytes exactly.
// The search goes on right after each inserted replacement, so inserted text is never
// searched again. The result ends at its first zero byte. An empty pattern finds nothing.
std::string replaceAll(std::string_view source, std::string_view pattern, std::string_view replacement);

// Names are the user's text, never markup: a carton called "<易碎>" shows as such.
std::string escapeHtml(const std::string& text);
