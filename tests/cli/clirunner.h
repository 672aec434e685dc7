#pragma once
// Runs cargolyx-cli from the program folder and captures what it prints.

#include <string>
#include <vector>

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs under LANG=C.UTF-8 (Chinese), whatever the machine's locale.
CliResult runCli(const std::vector<std::string>& args);
// Runs with LANG=lang and no LC_ALL or LC_MESSAGES.
CliResult runCliUnderLocale(const std::vector<std::string>& args, const std::string& lang);
// A fresh empty folder under /tmp, removed with the object.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};
