#include "export/globalfunc.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

bool isNonNegativeInteger(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  std::int32_t value = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return !text.empty() && ec == std::errc() && ptr == end && value >= 0;
}

bool isNonNegativeNumber(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  // Plain decimal notation only: digits, one sign, a point and an exponent.
  for (char ch : text)
    if (!((ch >= '0' && ch <= '9') || ch == '.' || ch == '-' || ch == 'e' || ch == 'E' || ch == '+'))
      return false;
  double value = 0.0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end && std::isfinite(value) && std::trunc(value) >= 0.0;
}

std::uint32_t materialColor(std::int32_t index) {
  static constexpr std::array<std::uint32_t, 10> colors = {
      0x0000FF00,  // 草绿 grass green
      0x000000FF,  // 大红 bright red
      0x00FFCC00,  // 浅蓝 light blue
      0x0000FFFF,  // 黄色 yellow
      0x00696E64,  // 灰色 grey
      0x00FF0000,  // 深蓝 dark blue
      0x003CC0FF,  // 土黄 ochre
      0x00FF50FF,  // 亮紫 bright purple
      0x00C8C832,  // 石青 azure
      0x006E6EC8,  // 棕色 brown
  };
  if (index < 0 || index >= static_cast<std::int32_t>(colors.size())) return 0;
  return colors[static_cast<std::size_t>(index)];
}

std::string replaceAll(std::string_view source, std::string_view pattern, std::string_view replacement) {
  // One pass over the source: the search resumes right after each occurrence, which is
  // where it resumes in the text after the replacement was inserted.
  std::string text;
  std::size_t from = 0;
  if (!pattern.empty()) {
    for (std::size_t found = source.find(pattern); found != std::string_view::npos;
         found = source.find(pattern, from)) {
      text.append(source.substr(from, found - from));
      text.append(replacement);
      from = found + pattern.size();
    }
  }
  text.append(source.substr(from));
  const std::size_t zero = text.find('\0');
  if (zero != std::string::npos) text.resize(zero);
  return text;
}

namespace {

// Full path of an executable file called name in one of PATH's folders, or empty.
std::string findOnPath(const std::string& name) {
  const char* path = std::getenv("PATH");
  if (path == nullptr) return {};
  std::string_view folders(path);
  while (!folders.empty()) {
    const std::size_t colon = folders.find(':');
    const std::string_view folder = folders.substr(0, colon);
    folders = colon == std::string_view::npos ? std::string_view() : folders.substr(colon + 1);
    if (folder.empty() || folder.front() != '/') continue;  // never run from the working folder
    std::string candidate(folder);
    if (candidate.back() != '/') candidate += '/';
    candidate += name;
    struct stat st {};
    if (::stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(candidate.c_str(), X_OK) == 0)
      return candidate;
  }
  return {};
}

std::string firstOnPath(std::initializer_list<const char*> names) {
  for (const char* name : names) {
    std::string found = findOnPath(name);
    if (!found.empty()) return found;
  }
  return {};
}

// Starts program with the one argument, detached from the terminal (setsid), with no terminal
// input or output, and does not wait for it. True when the program was started.
bool startDetached(const std::string& program, const std::string& argument) {
  if (program.empty()) return false;
  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attributes;
  posix_spawn_file_actions_init(&actions);
  posix_spawnattr_init(&attributes);
  for (int fd = 0; fd <= 2; ++fd)
    posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY, 0);
  sigset_t none, defaults;
  sigemptyset(&none);
  sigemptyset(&defaults);
  for (int sig : {SIGINT, SIGTERM, SIGPIPE, SIGHUP, SIGCHLD}) sigaddset(&defaults, sig);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

  std::vector<char*> argv = {const_cast<char*>(program.c_str()), const_cast<char*>(argument.c_str()),
                             nullptr};
  pid_t pid = 0;
  const int failed = ::posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  if (failed != 0) return false;
  // Collect the program's exit status whenever it ends, so it leaves no zombie behind.
  std::thread([pid] { ::waitpid(pid, nullptr, 0); }).detach();
  return true;
}

}  // namespace

std::string browserPath() {
  return firstOnPath({"x-www-browser", "sensible-browser", "firefox", "firefox-esr", "chromium",
                      "chromium-browser", "google-chrome", "google-chrome-stable", "epiphany-browser",
                      "epiphany", "falkon", "konqueror"});
}

std::string fileAssociationOpener() { return findOnPath("xdg-open"); }

bool openDocument(const std::string& document) {
  return openDocumentWith(browserPath(), fileAssociationOpener(), document);
}

bool openDocumentWith(const std::string& browser, const std::string& opener, const std::string& document) {
  return startDetached(browser, document) || startDetached(opener, document);
}

std::string programFolder() {
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error || !executable.has_parent_path()) return "./";
  std::string folder = executable.parent_path().string();
  if (folder.back() != '/') folder += '/';
  return folder;
}
