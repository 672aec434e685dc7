#include "export/stagingfolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "model/safefile.h"

StagingFolder::StagingFolder(std::string folder) : folder_(std::move(folder)) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string path = folder_ + temporaryFileName();
    if (::mkdir(path.c_str(), 0700) == 0) {
      path_ = path + "/";
      return;
    }
    if (errno != EEXIST) break;
  }
  error_ = folder_ + ": " + std::strerror(errno);
}

StagingFolder::~StagingFolder() {
  if (path_.empty()) return;
  discard();
  // Anything else a drawing library may have left in it goes as well.
  if (DIR* dir = ::opendir(path_.c_str())) {
    while (const dirent* entry = ::readdir(dir)) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") ::unlink((path_ + name).c_str());
    }
    ::closedir(dir);
  }
  ::rmdir(path_.c_str());
}

std::string StagingFolder::stagedPath(const std::string& name) const { return path_ + name; }

std::string StagingFolder::checkReplaceable(const std::string& name) const {
  const std::string file = finalPath(name);
  struct stat st {};
  if (::lstat(file.c_str(), &st) != 0 || S_ISLNK(st.st_mode)) return {};
  if (!S_ISREG(st.st_mode)) return file + ": not a regular file, not replaced";
  if (isWriteProtected(file, st)) return file + ": the file is read-only";
  return {};
}

void StagingFolder::add(const std::string& name) { added_.push_back(name); }

bool StagingFolder::commit(std::string* failedName, std::string* error) {
  bool ok = true;
  std::size_t moved = 0;
  for (; moved < added_.size(); ++moved) {
    const std::string& name = added_[moved];
    if (::rename(stagedPath(name).c_str(), finalPath(name).c_str()) != 0) {
      if (failedName) *failedName = name;
      if (error) *error = finalPath(name) + ": " + std::strerror(errno);
      ok = false;
      break;
    }
  }
  added_.erase(added_.begin(), added_.begin() + static_cast<std::ptrdiff_t>(moved));
  // The renames made durable.
  const int dir = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return ok;
}

void StagingFolder::discard() {
  for (const std::string& name : added_) ::unlink(stagedPath(name).c_str());
  added_.clear();
}
