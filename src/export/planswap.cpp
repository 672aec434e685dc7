#include "export/planswap.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "model/safefile.h"

namespace {

std::string withTrailingSlash(std::string folder) {
  if (folder.empty()) return "./";
  if (folder.back() != '/') folder += '/';
  return folder;
}

// A new private folder inside folder, with a trailing '/'; empty with *error set when none
// could be made.
std::string makePrivateFolder(const std::string& folder, std::string* error) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string path = folder + temporaryFileName();
    if (::mkdir(path.c_str(), 0700) == 0) return path + "/";
    if (errno != EEXIST) break;
  }
  *error = folder + ": " + std::strerror(errno);
  return {};
}

void removeTree(const std::string& path) {
  std::error_code ignored;
  std::filesystem::remove_all(std::filesystem::path(path), ignored);
}

void syncFolder(const std::string& folder) {
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return;
  ::fsync(dir);
  ::close(dir);
}

struct Move {
  std::string from, to;
};

// Moves each entry back to where it came from, the last first.
void undo(const std::vector<Move>& moves) {
  for (auto it = moves.rbegin(); it != moves.rend(); ++it) ::rename(it->to.c_str(), it->from.c_str());
}

}  // namespace

std::vector<std::string> folderEntries(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  ::closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

PlanSwap::PlanSwap(std::string folder) : folder_(withTrailingSlash(std::move(folder))) {
  staging_ = makePrivateFolder(folder_, &error_);
}

PlanSwap::~PlanSwap() {
  if (!staging_.empty()) removeTree(staging_);
}

bool PlanSwap::swapIn(const EarlierPart& isEarlierPart, std::string* error) {
  const std::vector<std::string> incoming = folderEntries(staging_);
  std::vector<std::string> outgoing;
  for (const std::string& name : folderEntries(folder_)) {
    if (folder_ + name + "/" == staging_) continue;
    const bool replaced = std::find(incoming.begin(), incoming.end(), name) != incoming.end();
    if (replaced || isEarlierPart(folder_, name)) outgoing.push_back(name);
  }
  std::string reason;
  const std::string aside = outgoing.empty() ? std::string() : makePrivateFolder(folder_, &reason);
  if (!outgoing.empty() && aside.empty()) {
    if (error) *error = reason;
    return false;
  }
  std::vector<Move> moves;
  const auto move = [&](const std::string& from, const std::string& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) {
      reason = to + ": " + std::strerror(errno);
      return false;
    }
    moves.push_back({from, to});
    return true;
  };
  bool ok = true;
  for (const std::string& name : outgoing)
    if (!(ok = move(folder_ + name, aside + name))) break;
  if (ok)
    for (const std::string& name : incoming)
      if (!(ok = move(staging_ + name, folder_ + name))) break;
  if (!ok) {
    undo(moves);
    if (!aside.empty()) ::rmdir(aside.c_str());
    if (error) *error = reason;
    return false;
  }
  syncFolder(folder_);
  if (!aside.empty()) removeTree(aside);
  return true;
}
