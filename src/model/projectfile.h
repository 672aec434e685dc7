#pragma once
// Reading and writing project files on disk. The file image itself is built and
// parsed by FillScheme::saveToStream and FillScheme::loadFromStream.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

inline constexpr std::size_t kProjectHeaderSize = 92;
inline constexpr std::size_t kProjectRecordSize = 87;
inline constexpr std::size_t kProjectNameFieldSize = 50;

// Files larger than this are not project files (over twenty million carton records).
inline constexpr std::size_t kMaxProjectFileSize = std::size_t{1} << 31;

enum class FileProblem;

// The length a project file must have by its header (92 + 87 N); 0 when the header is
// shorter than 92 bytes or N is negative.
std::uint64_t expectedProjectFileSize(std::span<const std::uint8_t> header);

// Reads a whole regular file of at most maxSize bytes; its size is checked before it is
// read. Nothing when it cannot be opened or read, is not a regular file (a named pipe, a
// device, a folder: never waited for) or is larger; the reason then goes to *error.
std::optional<std::vector<std::uint8_t>> readWholeFile(const std::string& path,
                                                       std::string* error = nullptr,
                                                       std::size_t maxSize = kMaxProjectFileSize);

// Replaces the file at path by bytes only once they are completely written (see
// replaceFile in model/safefile.h): a link at path is replaced, not written through; a
// write-protected file is not replaced. On failure the old file is untouched, nothing
// stays behind, false is returned, the reason goes to *error and its kind to *problem.
bool writeFileSafely(const std::string& path, const std::vector<std::uint8_t>& bytes,
                     std::string* error = nullptr, FileProblem* problem = nullptr);

struct FillScheme;

// Reads a project file into project (container and cartons; spacings kept). False, with
// the project untouched and the reason in *error, for a missing, unreadable or invalid
// file; a file whose length does not match its header is not read any further.
bool loadProjectFile(const std::string& path, FillScheme& project, std::string* error = nullptr);
// Writes project to path safely. A symbolic link at path is written through to its file,
// which keeps its owner where the process may set it. False, with the reason in *error and
// its kind in *problem (FileProblem::ReadOnly for a write-protected file), when a name
// cannot be saved or the file cannot be written; the old file then stays intact.
bool saveProjectFile(const std::string& path, const FillScheme& project, std::string* error = nullptr,
                     FileProblem* problem = nullptr);

// The message when a project cannot be saved because its file is read-only.
std::string readOnlyFileMessage();
