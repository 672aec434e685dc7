#include "platform/opener.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <initializer_list>
#include <string_view>
#include <thread>
#include <vector>

extern char** environ;

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
