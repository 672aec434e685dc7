#pragma once
// The effort budget of a heavy search in a test. The sanitizer builds run the searches many
// times slower, so they take a tenth of it: what such a test asserts (every rule kept, no
// carton lost, the same answer twice) holds at any effort, and the release build still runs
// the full search.

#include <algorithm>
#include <cstdint>

constexpr std::uint64_t testEffort(std::uint64_t effort) {
#ifdef CARGOLYX_SANITIZED_TESTS
  return std::max<std::uint64_t>(effort / 10, 1);
#else
  return effort;
#endif
}
