#pragma once
// A new plan of several files and folders, written out of sight and swapped in for the
// earlier plan whole. The new plan is written into a private folder (mode 0700) made inside
// the target folder, so every move is a rename on one file system. swapIn first moves the
// earlier plan's entries into a second private folder, then moves the new entries into the
// target folder, and only then removes the earlier ones: when a move fails, every entry
// goes back where it was and the folder holds the earlier plan as it was. Whatever was not
// swapped in is removed with the object, so an interrupted or failed export leaves nothing
// of itself behind.

#include <functional>
#include <string>
#include <vector>

class PlanSwap {
 public:
  // Makes the private folder inside folder; see isReady().
  explicit PlanSwap(std::string folder);
  ~PlanSwap();
  PlanSwap(const PlanSwap&) = delete;
  PlanSwap& operator=(const PlanSwap&) = delete;

  bool isReady() const { return !staging_.empty(); }
  // Why the private folder could not be made.
  const std::string& error() const { return error_; }
  // Where the new plan is written, with a trailing '/'.
  const std::string& stagingFolder() const { return staging_; }
  // The target folder, with a trailing '/'.
  const std::string& targetFolder() const { return folder_; }

  // Which entries of the target folder belong to the earlier plan and go when the new one
  // comes in (entries of the new plan's names go in any case). name is a bare entry name.
  using EarlierPart = std::function<bool(const std::string& folder, const std::string& name)>;

  // Replaces the earlier plan by everything in the staging folder. False, with the reason
  // in *error, when a move fails; the target folder then holds what it held before.
  bool swapIn(const EarlierPart& isEarlierPart, std::string* error);

 private:
  std::string folder_;
  std::string staging_;
  std::string error_;
};

// The entries of a folder by name, "." and ".." left out; empty when it cannot be read.
std::vector<std::string> folderEntries(const std::string& folder);
