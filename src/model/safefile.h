#pragma once
// Replacing a file without ever writing through a stranger's link or leaving half a file:
// the new content goes to a new file of a short unique name beside the target, created
// with O_EXCL|O_NOFOLLOW, is flushed to disk and renamed over the target. Plain POSIX, so
// that libboxpic.so can use it as well.

#include <sys/stat.h>
#include <sys/types.h>

#include <functional>
#include <string>

// What went wrong when a file could not be replaced.
enum class FileProblem {
  None,
  ReadOnly,  // the file is write-protected, or lies on a read-only file system
  Other,     // anything else; the reason says what
};

struct FileFailure {
  FileProblem problem = FileProblem::None;
  std::string reason;  // a file name and the system's reason
};

struct ReplaceOptions {
  // Write through a symbolic link to the file it names (the link stays as it is). Without
  // it a link at the target's name is replaced by the new file, its target untouched.
  bool throughLinks = false;
  // Give the new file the old file's owner and group, as far as the process may.
  bool keepOwner = false;
};

// Writes the new content to the open file descriptor; false with errno set on failure.
using FileWriter = std::function<bool(int fd)>;

// Replaces the file at path by what writer writes. The new file keeps the old file's
// permission bits, never its setuid and setgid bits; a new file gets 0666 less the umask.
// A write-protected file or one that is not a regular file is not replaced. On failure the
// old file is untouched, nothing is left behind and *failure says why.
bool replaceFile(const std::string& path, const FileWriter& writer, const ReplaceOptions& options,
                 FileFailure* failure = nullptr);

// True when the file may not be replaced by this process: no write permission for it, or
// for the superuser (who may write anything) no write permission for anyone.
bool isWriteProtected(const std::string& path, const struct stat& st);

// The permission bits of a file this program creates: 0666 less the umask the process had
// when it started. The umask is read once, never switched.
mode_t newFileMode();

// A short name for a new temporary file, unique with high probability: ".cgx" and eight
// random letters. Short, so that it fits beside a file of the longest possible name.
std::string temporaryFileName();

// Writes all size bytes to fd, retrying after interruptions.
bool writeAllTo(int fd, const void* data, std::size_t size);
