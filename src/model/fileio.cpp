// Reading files whole without trusting their length, and saving project files.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "model/fillscheme.h"
#include "model/language.h"
#include "model/projectfile.h"
#include "model/safefile.h"

namespace {

std::string withReason(const std::string& what, int error) { return what + ": " + std::strerror(error); }

void setError(std::string* error, const std::string& what) {
  if (error) *error = what;
}

std::string kindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISFIFO(mode)) return "a named pipe";
  if (S_ISSOCK(mode)) return "a socket";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  return "not a regular file";
}

// An open regular file, closed with the object. Opening never blocks: a named pipe or a
// device is refused before anything is read from it.
class ReadableFile {
 public:
  ReadableFile(const std::string& path, std::string* error) : path_(path) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) {
      setError(error, withReason(path, errno));
      return;
    }
    if (::fstat(fd_, &st_) != 0) {
      setError(error, withReason(path, errno));
      close();
      return;
    }
    if (!S_ISREG(st_.st_mode)) {
      setError(error, path + ": " + kindOf(st_.st_mode) + ", not a file to read");
      close();
      return;
    }
    // Reads from here on may wait for the disk as usual.
    const int flags = ::fcntl(fd_, F_GETFL);
    if (flags < 0 || ::fcntl(fd_, F_SETFL, flags & ~O_NONBLOCK) != 0) {
      setError(error, withReason(path, errno));
      close();
    }
  }
  ~ReadableFile() { close(); }
  ReadableFile(const ReadableFile&) = delete;
  ReadableFile& operator=(const ReadableFile&) = delete;

  bool isOpen() const { return fd_ >= 0; }
  std::uint64_t size() const { return static_cast<std::uint64_t>(st_.st_size); }

  // Appends up to count bytes to bytes; false with the reason in *error on a read error.
  // Fewer bytes than asked are appended only at the end of the file.
  bool readInto(std::vector<std::uint8_t>& bytes, std::size_t count, std::string* error) {
    const std::size_t start = bytes.size();
    bytes.resize(start + count);
    std::size_t done = 0;
    while (done < count) {
      const ssize_t got = ::read(fd_, bytes.data() + start + done, count - done);
      if (got < 0) {
        if (errno == EINTR) continue;
        setError(error, withReason(path_, errno));
        return false;
      }
      if (got == 0) break;
      done += static_cast<std::size_t>(got);
    }
    bytes.resize(start + done);
    return true;
  }

 private:
  void close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }
  std::string path_;
  int fd_ = -1;
  struct stat st_ {};
};

std::string tooLarge(const std::string& path, std::size_t maxSize) {
  return path + ": larger than " + std::to_string(maxSize >> 20) + " MiB, not read";
}

}  // namespace

std::optional<std::vector<std::uint8_t>> readWholeFile(const std::string& path, std::string* error,
                                                       std::size_t maxSize) {
  ReadableFile file(path, error);
  if (!file.isOpen()) return std::nullopt;
  if (file.size() > maxSize) {
    setError(error, tooLarge(path, maxSize));
    return std::nullopt;
  }
  // The file may have grown since it was measured: one byte more than allowed tells.
  std::vector<std::uint8_t> bytes;
  bytes.reserve(static_cast<std::size_t>(file.size()));
  if (!file.readInto(bytes, maxSize + 1, error)) return std::nullopt;
  if (bytes.size() > maxSize) {
    setError(error, tooLarge(path, maxSize));
    return std::nullopt;
  }
  return bytes;
}

bool writeFileSafely(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string* error,
                     FileProblem* problem) {
  FileFailure failure;
  const bool written =
      replaceFile(path, [&](int fd) { return writeAllTo(fd, bytes.data(), bytes.size()); }, {}, &failure);
  if (!written) setError(error, failure.reason);
  if (problem) *problem = failure.problem;
  return written;
}

bool loadProjectFile(const std::string& path, FillScheme& project, std::string* error) {
  // The header says how long the file must be: nothing more is read from one that is not.
  ReadableFile file(path, error);
  if (!file.isOpen()) return false;
  const std::string invalid = path + ": not a valid project file";
  if (file.size() < kProjectHeaderSize || file.size() > kMaxProjectFileSize) {
    setError(error, invalid + " (" + std::to_string(file.size()) + " bytes)");
    return false;
  }
  std::vector<std::uint8_t> bytes;
  if (!file.readInto(bytes, kProjectHeaderSize, error)) return false;
  const std::uint64_t expected = expectedProjectFileSize(bytes);
  if (expected != file.size()) {
    setError(error, invalid + " (its length does not match its number of carton types)");
    return false;
  }
  bytes.reserve(static_cast<std::size_t>(expected));
  if (!file.readInto(bytes, static_cast<std::size_t>(expected) - kProjectHeaderSize, error)) return false;
  if (!project.loadFromStream(bytes)) {
    setError(error, invalid);
    return false;
  }
  return true;
}

bool saveProjectFile(const std::string& path, const FillScheme& project, std::string* error,
                     FileProblem* problem) {
  if (problem) *problem = FileProblem::Other;
  auto bytes = project.saveToStream();
  if (!bytes) {
    setError(error, path + ": a name cannot be written in GBK within 49 bytes");
    return false;
  }
  // The user chose this name: a link there is written through to its file, which keeps
  // its owner.
  FileFailure failure;
  ReplaceOptions options;
  options.throughLinks = true;
  options.keepOwner = true;
  const bool written = replaceFile(
      path, [&](int fd) { return writeAllTo(fd, bytes->data(), bytes->size()); }, options, &failure);
  if (!written) setError(error, failure.reason);
  if (problem) *problem = failure.problem;
  return written;
}

std::string readOnlyFileMessage() {
  return inLanguage("该文件为只读文件，无法保存。请选择其它位置或文件名保存。",
                    "The file is read-only and cannot be saved. Please save it elsewhere or under "
                    "another name.");
}
