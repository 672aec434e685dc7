#include "model/safefile.h"

#include <fcntl.h>
#include <sys/random.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

// The umask, read at start from /proc without switching it. Only where /proc is missing is
// it switched and set back, once, while the program starts.
mode_t readUmask() {
  if (std::FILE* status = std::fopen("/proc/self/status", "re")) {
    char line[256];
    unsigned int mask = 0;
    bool found = false;
    while (!found && std::fgets(line, sizeof line, status) != nullptr)
      found = std::sscanf(line, "Umask: %o", &mask) == 1;
    std::fclose(status);
    if (found) return static_cast<mode_t>(mask & 0777);
  }
  const mode_t mask = ::umask(022);
  ::umask(mask);
  return mask;
}

const mode_t startUmask = readUmask();

std::string withReason(const std::string& what, int error) { return what + ": " + std::strerror(error); }

void setFailure(FileFailure* failure, FileProblem problem, const std::string& reason) {
  if (failure == nullptr) return;
  failure->problem = problem;
  failure->reason = reason;
}

std::string folderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a chain of symbolic links at path ends in (which need not exist), or the path
// itself when it is no link. Empty, with errno, for a loop or an unreadable link.
std::string resolveLinks(std::string path) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    std::string target(4096, '\0');
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    if (length < 0) return {};
    target.resize(static_cast<std::size_t>(length));
    if (target.empty()) {
      errno = ENOENT;
      return {};
    }
    path = target.front() == '/' ? target : folderOf(path) + "/" + target;
  }
  errno = ELOOP;
  return {};
}

std::string kindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISFIFO(mode)) return "a named pipe";
  if (S_ISSOCK(mode)) return "a socket";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  return "not a regular file";
}

}  // namespace

mode_t newFileMode() { return 0666 & ~startUmask; }

bool writeAllTo(int fd, const void* data, std::size_t size) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  while (size > 0) {
    const ssize_t written = ::write(fd, bytes, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

std::string temporaryFileName() {
  static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  unsigned char random[8] = {};
  if (::getrandom(random, sizeof random, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof random)) {
    // Without the kernel's randomness: the clock and the process, enough for uniqueness.
    timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    unsigned long long seed = static_cast<unsigned long long>(now.tv_nsec) * 2654435761u ^
                              static_cast<unsigned long long>(::getpid()) << 20;
    for (unsigned char& byte : random) {
      seed = seed * 6364136223846793005ull + 1442695040888963407ull;
      byte = static_cast<unsigned char>(seed >> 56);
    }
  }
  std::string name = ".cgx";
  for (unsigned char byte : random) name += letters[byte % (sizeof letters - 1)];
  return name;
}

bool isWriteProtected(const std::string& path, const struct stat& st) {
  if (::geteuid() == 0) return (st.st_mode & 0222) == 0;
  return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 && errno != ENOENT;
}

bool replaceFile(const std::string& path, const FileWriter& writer, const ReplaceOptions& options,
                 FileFailure* failure) {
  const std::string target = options.throughLinks ? resolveLinks(path) : path;
  if (target.empty()) {
    setFailure(failure, FileProblem::Other, withReason(path, errno));
    return false;
  }
  mode_t mode = newFileMode();
  bool replacing = false;
  struct stat old {};
  if (::lstat(target.c_str(), &old) == 0) {
    if (S_ISREG(old.st_mode)) {
      if (isWriteProtected(target, old)) {
        setFailure(failure, FileProblem::ReadOnly, path + ": the file is read-only");
        return false;
      }
      replacing = true;
      mode = old.st_mode & 0777;  // never the setuid, setgid or sticky bit
    } else if (!S_ISLNK(old.st_mode)) {
      setFailure(failure, FileProblem::Other, path + ": " + kindOf(old.st_mode) + ", not replaced");
      return false;
    }
  } else if (errno != ENOENT) {
    setFailure(failure, FileProblem::Other, withReason(path, errno));
    return false;
  }

  const std::string folder = folderOf(target);
  const std::string name = nameOf(target);
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) {
    setFailure(failure, FileProblem::Other, withReason(folder, errno));
    return false;
  }
  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = temporaryFileName();
    fd = ::openat(dir, temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) {
    const int error = errno;
    setFailure(failure, error == EROFS ? FileProblem::ReadOnly : FileProblem::Other, withReason(folder, error));
    ::close(dir);
    return false;
  }

  bool ok = writer(fd);
  int error = errno;
  if (ok && replacing && options.keepOwner && ::fchown(fd, old.st_uid, old.st_gid) != 0)
    (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);  // the group at least, where allowed
  if (ok && (::fchmod(fd, mode) != 0 || ::fsync(fd) != 0)) {
    ok = false;
    error = errno;
  }
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && ::renameat(dir, temp.c_str(), dir, name.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    ::unlinkat(dir, temp.c_str(), 0);
    ::close(dir);
    setFailure(failure, FileProblem::Other, withReason(path, error));
    return false;
  }
  ::fsync(dir);  // the rename itself made durable; the old file is gone already
  ::close(dir);
  return true;
}
