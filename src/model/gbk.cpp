#include "model/gbk.h"

#include <cerrno>
#include <iconv.h>

namespace {

// Converts the whole input or nothing: an invalid or unconvertible sequence fails.
std::optional<std::string> convert(const char* to, const char* from, std::string_view in) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out;
  out.resize(in.size() * 2 + 16);  // GBK<->UTF-8 grows by at most 3/2
  char* inPtr = const_cast<char*>(in.data());
  size_t inLeft = in.size();
  char* outPtr = out.data();
  size_t outLeft = out.size();
  bool ok = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1) && inLeft == 0;
  // Flush any shift state (none for these encodings, but keep iconv's contract).
  if (ok) ok = iconv(cd, nullptr, nullptr, &outPtr, &outLeft) != static_cast<size_t>(-1);
  iconv_close(cd);
  if (!ok) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

}  // namespace

std::optional<std::string> utf8ToGbk(std::string_view utf8) { return convert("GBK", "UTF-8", utf8); }

std::optional<std::string> gbkToUtf8(std::string_view gbk) { return convert("UTF-8", "GBK", gbk); }

bool isStorableName(std::string_view utf8) {
  if (utf8.find('\0') != std::string_view::npos) return false;
  auto gbk = utf8ToGbk(utf8);
  return gbk && gbk->size() <= kMaxNameBytes;
}
