// Reading files whole without trusting their length, and saving project files.

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "model/fillscheme.h"
#include "model/gbk.h"
#include "model/language.h"
#include "model/projectfile.h"
#include "model/projectjson.h"
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
  // The buffer grows with what is read, never to count ahead of the bytes: a small file
  // read with a large limit takes little memory.
  bool readInto(std::vector<std::uint8_t>& bytes, std::size_t count, std::string* error) {
    constexpr std::size_t kChunk = 64 * 1024;
    std::size_t done = 0;
    while (done < count) {
      const std::size_t start = bytes.size();
      const std::size_t ask = std::min(kChunk, count - done);
      bytes.resize(start + ask);
      const ssize_t got = ::read(fd_, bytes.data() + start, ask);
      if (got < 0) {
        bytes.resize(start);
        if (errno == EINTR) continue;
        setError(error, withReason(path_, errno));
        return false;
      }
      bytes.resize(start + static_cast<std::size_t>(got));
      if (got == 0) break;
      done += static_cast<std::size_t>(got);
    }
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

ProjectFormat projectFormatOfName(std::string_view path) {
  constexpr std::string_view suffix = ".clyx";
  if (path.size() < suffix.size()) return ProjectFormat::Pak;
  const std::string_view end = path.substr(path.size() - suffix.size());
  for (std::size_t i = 0; i < suffix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(end[i])) != suffix[i]) return ProjectFormat::Pak;
  return ProjectFormat::Clyx;
}

namespace {

bool fail(OpenFailure* failure, OpenProblem problem, std::string detail = {}) {
  if (failure) *failure = OpenFailure{problem, std::move(detail)};
  return false;
}

// A CLYX200 file: the header says how long the file must be, and nothing more is read
// from one that is not that long.
bool loadPakFile(ReadableFile& file, std::vector<std::uint8_t>& bytes, FillScheme& project, OpenFailure* failure) {
  std::string error;
  if (bytes.size() < kProjectHeaderSize && !file.readInto(bytes, kProjectHeaderSize - bytes.size(), &error))
    return fail(failure, OpenProblem::Unreadable, error);
  const std::uint64_t expected = expectedProjectFileSize(bytes);
  if (expected == 0) {  // a short header, or a negative carton count
    FillScheme ignored;
    return fail(failure, OpenProblem::Damaged, readProjectImage(bytes, ignored).value_or(""));
  }
  if (expected != file.size() || file.size() > kMaxProjectFileSize)
    return fail(failure, OpenProblem::Damaged,
                std::to_string(file.size()) + " bytes where its " +
                    std::to_string((expected - kProjectHeaderSize) / kProjectRecordSize) + " carton types take " +
                    std::to_string(expected));
  bytes.reserve(static_cast<std::size_t>(expected));
  if (!file.readInto(bytes, static_cast<std::size_t>(expected) - bytes.size(), &error))
    return fail(failure, OpenProblem::Unreadable, error);
  ProjectInput input = project.input();
  if (auto problem = readProjectImage(bytes, input)) return fail(failure, OpenProblem::Damaged, *problem);
  project.container = std::move(input.container);
  project.cartons = std::move(input.cartons);
  // A CLYX200 file holds one container and loose cartons: what an earlier project had beyond
  // that (container types, stops, pallet types) is not this one's. The spacing stays.
  project.fleet.clear();
  project.stops.clear();
  project.palletTypes.clear();
  project.planner.reset();  // planned as Options say
  project.result = {};
  return true;
}

bool loadJsonFile(ReadableFile& file, std::vector<std::uint8_t>& bytes, FillScheme& project, OpenFailure* failure) {
  if (file.size() > kMaxProjectJsonSize)
    return fail(failure, OpenProblem::Damaged,
                "larger than " + std::to_string(kMaxProjectJsonSize >> 20) + " MiB, not read");
  std::string error;
  bytes.reserve(static_cast<std::size_t>(file.size()) + 1);
  if (!file.readInto(bytes, kMaxProjectJsonSize + 1 - bytes.size(), &error))
    return fail(failure, OpenProblem::Unreadable, error);
  if (bytes.size() > kMaxProjectJsonSize)
    return fail(failure, OpenProblem::Damaged,
                "larger than " + std::to_string(kMaxProjectJsonSize >> 20) + " MiB, not read");
  const ProjectJsonOutcome outcome = projectFromJson(bytes, project);
  switch (outcome.problem) {
    case ProjectJsonProblem::None: return true;
    case ProjectJsonProblem::NotAProject: return fail(failure, OpenProblem::NotAProject);
    case ProjectJsonProblem::Damaged: return fail(failure, OpenProblem::Damaged, outcome.detail);
    case ProjectJsonProblem::NewerFormat: return fail(failure, OpenProblem::NewerFormat, outcome.detail);
    case ProjectJsonProblem::UnknownFeature: return fail(failure, OpenProblem::UnknownFeature, outcome.detail);
  }
  return fail(failure, OpenProblem::Damaged);
}

}  // namespace

bool loadProjectFile(const std::string& path, FillScheme& project, OpenFailure* failure) {
  std::string error;
  ReadableFile file(path, &error);
  if (!file.isOpen()) return fail(failure, OpenProblem::Unreadable, error);
  // Enough of the beginning to tell the formats apart.
  std::vector<std::uint8_t> bytes;
  if (!file.readInto(bytes, 4096, &error)) return fail(failure, OpenProblem::Unreadable, error);
  if (hasProjectMagic(bytes)) return loadPakFile(file, bytes, project, failure);
  if (looksLikeProjectJson(bytes) || projectFormatOfName(path) == ProjectFormat::Clyx)
    return loadJsonFile(file, bytes, project, failure);
  return fail(failure, OpenProblem::NotAProject);
}

std::vector<std::string> namesPakCannotHold(const ProjectInput& input) {
  std::vector<std::string> names;
  if (!isStorableName(input.container.name)) names.push_back(input.container.name);
  for (const Carton& c : input.cartons)
    if (!isStorableName(c.name)) names.push_back(c.name);
  return names;
}

bool hasFormatTwoFeatures(const ProjectInput& input) {
  return !input.fleet.empty() || !input.palletTypes.empty() || input.usesPallets();
}

bool pakCannotHoldRules(const ProjectInput& input) {
  const bool cartonRules = std::any_of(input.cartons.begin(), input.cartons.end(), [](const Carton& c) {
    return !c.stackable || c.maxLoadOnTop || c.fragile || !c.stop.empty();
  });
  const bool containerRules = std::any_of(input.fleet.begin(), input.fleet.end(), [](const ContainerType& t) {
    return t.container.balance.active() || t.container.vehicle;
  });
  return cartonRules || containerRules || !input.stops.empty() || input.container.balance.active() ||
         input.container.vehicle;
}

bool saveProjectFile(const std::string& path, const FillScheme& project, std::string* error,
                     FileProblem* problem) {
  if (problem) *problem = FileProblem::Other;
  std::vector<std::uint8_t> bytes;
  if (projectFormatOfName(path) == ProjectFormat::Clyx) {
    const std::string text = projectToJson(project);
    bytes.assign(text.begin(), text.end());
  } else if (pakCannotHoldRules(project)) {
    setError(error, path + ": a .pak file cannot hold the cargo rules (stacking, stops, balance, vehicle)");
    return false;
  } else {
    if (hasFormatTwoFeatures(project)) {
      setError(error, path + ": a CLYX200 file holds one container and loose cartons, not several container types "
                            "or pallets");
      return false;
    }
    auto image = project.saveToStream();
    if (!image) {
      setError(error, path + ": a name cannot be written in GBK within 49 bytes");
      return false;
    }
    bytes = std::move(*image);
  }
  // The user chose this name: a link there is written through to its file, which keeps
  // its owner.
  FileFailure failure;
  ReplaceOptions options;
  options.throughLinks = true;
  options.keepOwner = true;
  const bool written = replaceFile(
      path, [&](int fd) { return writeAllTo(fd, bytes.data(), bytes.size()); }, options, &failure);
  if (!written) setError(error, failure.reason);
  if (problem) *problem = failure.problem;
  return written;
}

std::string readOnlyFileMessage() {
  return inLanguage("该文件为只读文件，无法保存。请选择其它位置或文件名保存。",
                    "The file is read-only and cannot be saved. Please save it elsewhere or under "
                    "another name.");
}
