#pragma once
// Runs cargolyx-cli from the program folder and captures what it prints.

#include <string>
#include <vector>

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

CliResult runCli(const std::vector<std::string>& args);
// A fresh empty folder under /tmp, removed with the object.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};
