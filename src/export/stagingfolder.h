#pragma once
// New files for a folder, prepared out of sight and moved in together. The files are
// written into a private folder (mode 0700) inside the target folder, where nobody else can
// plant a file or a link; commit moves each over its namesake in the target folder, which
// replaces a link there rather than writing through it. Whatever was not committed is
// removed with the object, so an interrupted export leaves the earlier one as it was.

#include <string>
#include <vector>

class StagingFolder {
 public:
  // Makes the private folder inside folder (which ends in '/'); see isReady().
  explicit StagingFolder(std::string folder);
  ~StagingFolder();
  StagingFolder(const StagingFolder&) = delete;
  StagingFolder& operator=(const StagingFolder&) = delete;

  bool isReady() const { return !path_.empty(); }
  // Why the private folder could not be made.
  const std::string& error() const { return error_; }

  // Where the new file called name is written before it is committed.
  std::string stagedPath(const std::string& name) const;
  // The file in the target folder that name will replace.
  std::string finalPath(const std::string& name) const { return folder_ + name; }
  // An empty text when name may be replaced in the target folder; else why not (the file
  // there is read-only, or is a folder or a device).
  std::string checkReplaceable(const std::string& name) const;
  // Notes that the new file name is complete and goes in with the next commit.
  void add(const std::string& name);

  // Moves every added file into the target folder, in the order they were added. False,
  // with its name in *failedName and the reason in *error, when one cannot be moved; those
  // before it are in place, it and those after it stay staged.
  bool commit(std::string* failedName, std::string* error);
  // Removes every file not yet committed.
  void discard();

 private:
  std::string folder_;
  std::string path_;  // the private folder, with a trailing '/'; empty when not made
  std::string error_;
  std::vector<std::string> added_;
};
