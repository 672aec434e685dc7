#pragma once
// Reading and writing project files on disk, in either format: the CLYX200 image of a
// ".pak" (built and parsed by ProjectInput::saveToStream and loadFromStream) holds the
// container and the cartons; the JSON document of a ".clyx" (model/projectjson.h) holds
// everything, the spacing and the result included.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::size_t kProjectHeaderSize = 92;
inline constexpr std::size_t kProjectRecordSize = 87;
inline constexpr std::size_t kProjectNameFieldSize = 50;

// Files larger than this are not project files (over twenty million carton records).
inline constexpr std::size_t kMaxProjectFileSize = std::size_t{1} << 31;

// Files of format 2 larger than this are not read; a project of a million blocks fits.
inline constexpr std::size_t kMaxProjectJsonSize = std::size_t{256} << 20;

enum class FileProblem;
struct ProjectInput;

// Whether the bytes start with the CLYX200 header's magic.
bool hasProjectMagic(std::span<const std::uint8_t> bytes);
// Reads a CLYX200 image into input's container and cartons. What is wrong and where,
// with input untouched, for anything that is not such an image.
std::optional<std::string> readProjectImage(std::span<const std::uint8_t> stream, ProjectInput& input);

enum class ProjectFormat {
  Pak,   // CLYX200: the container and the cartons
  Clyx,  // JSON, format 2: everything
};
// The format a file of this name is saved in: ".clyx" in any letter case, else ".pak".
ProjectFormat projectFormatOfName(std::string_view path);

// Why a project file could not be opened.
enum class OpenProblem {
  None,
  Unreadable,      // missing, not a file, no permission (detail: the system's reason)
  NotAProject,     // neither format
  Damaged,         // a project file with something wrong in it (detail: what and where)
  NewerFormat,     // saved by a newer program (detail: its format number)
  UnknownFeature,  // needs features this program does not know (detail: their names)
};

struct OpenFailure {
  OpenProblem problem = OpenProblem::None;
  std::string detail;
};

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

// Reads a project file of either format, told apart by its first bytes, into project: a
// CLYX200 file gives the container and the cartons (spacings kept, result dropped), a
// format 2 file everything. False, with the project untouched and *failure saying why,
// when it cannot be read; a CLYX200 file whose length does not match its header is not
// read any further.
bool loadProjectFile(const std::string& path, FillScheme& project, OpenFailure* failure = nullptr);

// The names in the project that a CLYX200 file cannot hold (not GBK, or longer than its
// 49-byte field), in list order: the container's, then the cartons'.
std::vector<std::string> namesPakCannotHold(const ProjectInput& input);
// Whether the project uses what only a format 2 file holds beyond names: several container
// types, pallet types, cartons built onto pallets.
bool hasFormatTwoFeatures(const ProjectInput& input);
// Whether the project sets cargo rules a CLYX200 file cannot hold: a carton's stacking
// rules or stop, the stops, a container's balance window or vehicle.
bool pakCannotHoldRules(const ProjectInput& input);
// Writes project to path safely, in the format its name asks for (projectFormatOfName). A
// symbolic link at path is written through to its file, which keeps its owner where the
// process may set it. False, with the reason in *error and its kind in *problem
// (FileProblem::ReadOnly for a write-protected file), when a name cannot be saved in a
// CLYX200 file, the project sets rules a CLYX200 file cannot hold, or the file cannot be
// written; the old file then stays intact.
bool saveProjectFile(const std::string& path, const FillScheme& project, std::string* error = nullptr,
                     FileProblem* problem = nullptr);

// The message when a project cannot be saved because its file is read-only.
std::string readOnlyFileMessage();
