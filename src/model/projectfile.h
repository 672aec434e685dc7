#pragma once
// Reading and writing project files on disk. The file image itself is built and
// parsed by FillScheme::saveToStream and FillScheme::loadFromStream.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

inline constexpr std::size_t kProjectHeaderSize = 92;
inline constexpr std::size_t kProjectRecordSize = 87;
inline constexpr std::size_t kProjectNameFieldSize = 50;

// Files larger than this are not project files (over twenty million carton records).
inline constexpr std::size_t kMaxProjectFileSize = 1u << 31;

// Reads a whole file. Nothing when it cannot be opened or read, or is absurdly large;
// the reason then goes to *error.
std::optional<std::vector<std::uint8_t>> readWholeFile(const std::string& path,
                                                       std::string* error = nullptr);

// Replaces the file at path by bytes only once they are completely written: the bytes go
// to a new file in the same folder, are flushed to disk, and that file is renamed over
// the old one. On failure the old file is untouched, no temporary file stays behind,
// false is returned and the reason goes to *error.
bool writeFileSafely(const std::string& path, const std::vector<std::uint8_t>& bytes,
                     std::string* error = nullptr);

struct FillScheme;

// Reads a project file into project (container and cartons; spacings kept). False, with
// the project untouched and the reason in *error, for a missing, unreadable or invalid file.
bool loadProjectFile(const std::string& path, FillScheme& project, std::string* error = nullptr);
// Writes project to path through writeFileSafely. False, with the reason in *error, when
// a name cannot be saved or the file cannot be written; the old file then stays intact.
bool saveProjectFile(const std::string& path, const FillScheme& project,
                     std::string* error = nullptr);
