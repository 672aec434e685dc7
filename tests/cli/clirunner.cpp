#include "clirunner.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

extern char** environ;

namespace {

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace

ScratchFolder::ScratchFolder() {
  char pattern[] = "/tmp/cargolyx-test-XXXXXX";
  path_ = ::mkdtemp(pattern);
}

ScratchFolder::~ScratchFolder() { std::system(("rm -rf '" + path_ + "'").c_str()); }

CliResult runCli(const std::vector<std::string>& args) { return runCliUnderLocale(args, "C.UTF-8"); }

CliResult runCliUnderLocale(const std::vector<std::string>& args, const std::string& lang) {
  // The machine's locale settings are replaced by LANG alone, so its language never leaks in.
  std::vector<std::string> environment;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text = *entry;
    if (text.starts_with("LC_ALL=") || text.starts_with("LC_MESSAGES=") || text.starts_with("LANG="))
      continue;
    environment.push_back(text);
  }
  environment.push_back("LANG=" + lang);
  std::vector<char*> envp;
  for (std::string& text : environment) envp.push_back(text.data());
  envp.push_back(nullptr);

  ScratchFolder scratch;
  const std::string outPath = scratch.path() + "/out";
  const std::string errPath = scratch.path() + "/err";
  const std::string program = std::string(CARGOLYX_PROGRAM_DIR) + "/cargolyx-cli";
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  pid_t pid = 0;
  CliResult result;
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data()) == 0) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
  posix_spawn_file_actions_destroy(&actions);
  result.out = slurp(outPath);
  result.err = slurp(errPath);
  return result;
}
