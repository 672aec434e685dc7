// Whole-file reading and the safe replacement of a file, for project files.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "model/fillscheme.h"
#include "model/projectfile.h"

namespace {

void setError(std::string* error, const std::string& what) {
  if (error) *error = what + ": " + std::strerror(errno);
}

std::string folderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The mode a replacing file should get: the old file's, or what a new file would get.
mode_t modeFor(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool writeAll(int fd, const std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> readWholeFile(const std::string& path,
                                                       std::string* error) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    setError(error, path);
    return std::nullopt;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    if (S_ISDIR(st.st_mode)) errno = EISDIR;
    setError(error, path);
    ::close(fd);
    return std::nullopt;
  }
  std::vector<std::uint8_t> bytes;
  std::uint8_t buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      setError(error, path);
      ::close(fd);
      return std::nullopt;
    }
    if (got == 0) break;
    if (bytes.size() + static_cast<std::size_t>(got) > kMaxProjectFileSize) {
      errno = EFBIG;
      setError(error, path);
      ::close(fd);
      return std::nullopt;
    }
    bytes.insert(bytes.end(), buffer, buffer + got);
  }
  ::close(fd);
  return bytes;
}

bool writeFileSafely(const std::string& path, const std::vector<std::uint8_t>& bytes,
                     std::string* error) {
  const std::string folder = folderOf(path);
  std::string temp = path + ".XXXXXX";
  const mode_t mode = modeFor(path);
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) {
    setError(error, folder);
    return false;
  }
  bool ok = writeAll(fd, bytes.data(), bytes.size()) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
  if (!ok) setError(error, path);
  if (::close(fd) != 0 && ok) {
    setError(error, path);
    ok = false;
  }
  if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
    setError(error, path);
    ok = false;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  // Make the rename itself durable; a failure here no longer endangers the old file.
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

bool loadProjectFile(const std::string& path, FillScheme& project, std::string* error) {
  auto bytes = readWholeFile(path, error);
  if (!bytes) return false;
  if (!project.loadFromStream(*bytes)) {
    if (error) *error = path + ": not a valid project file";
    return false;
  }
  return true;
}

bool saveProjectFile(const std::string& path, const FillScheme& project, std::string* error) {
  auto bytes = project.saveToStream();
  if (!bytes) {
    if (error) *error = path + ": a name cannot be written in GBK within 49 bytes";
    return false;
  }
  return writeFileSafely(path, *bytes, error);
}
