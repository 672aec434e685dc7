#pragma once
// One search thread: a beam search over partial loads, each judged by completing it
// greedily, with the beam doubling while effort and time remain.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <vector>

#include "engine/maxload/packstate.h"

namespace maxload {

inline constexpr std::int32_t kMaxBranching = 64;

struct SearchSettings {
  std::int32_t branching = 4;  // blocks tried per partial load
  // The best blocks by volume and waste that are judged again by their contact; the
  // greedy load takes the best of them.
  std::int32_t contactRerank = 0;
  double contactWeight = 0;  // exponent of the share of a block's surface in contact
  std::uint64_t effortBudget = 0;
  bool hasDeadline = false;
  std::chrono::steady_clock::time_point deadline;
  const std::atomic<bool>* cancel = nullptr;
  std::atomic<double>* bestFill = nullptr;
  // Shared by the threads: the least effort at which one of them loaded everything (or
  // filled the container: a load nothing can beat). A thread goes on up to that effort, so
  // the earliest such load is found whichever thread runs faster.
  std::atomic<std::uint64_t>* everythingLoadedAt = nullptr;
};

class Search {
 public:
  Search(const Packer& packer, const SearchSettings& settings);

  // Searches until the budget or the time is spent, the cancel flag is raised, or
  // everything is loaded. Another run searches the same again, from the start.
  void run();

  const PackState& best() const { return best_; }
  bool timedOut() const { return timedOut_; }
  bool cancelled() const { return cancelled_; }
  std::uint64_t effort() const { return effort_; }
  // The effort at which this search loaded everything; 0 when it did not.
  std::uint64_t loadedEverythingAt() const { return loadedEverythingAt_; }

 private:
  // The one stopping predicate: cancel, budget, time.
  bool stop();
  // Completes the load greedily; returns the volume it is worth (after settling its balance).
  double greedy(PackState& s);
  void beam(std::int32_t width);
  // Gives every partial load in the pools room for the largest one seen.
  void reservePools();
  // Up to k placements of the best blocks that may go at the anchor, best first; out has
  // room for kMaxBranching.
  std::int32_t candidates(const PackState& s, const Anchor& a, std::int32_t k, Placed* out);
  // Offers a complete load as the best; returns the volume it is worth.
  double consider(const PackState& s);
  void takeIfBetter(const PackState& s);
  bool betterBalanced(const PackState& s) const;
  bool allLoaded() const;
  // Nothing can beat the best load: every carton is in, or the cartons fill the container.
  bool unbeatable() const;

  const Packer& packer_;
  SearchSettings settings_;
  PackState best_, work_, settled_;
  std::vector<PackState> beam_, children_;
  std::vector<double> childValue_, beamValue_;  // the volumes their greedy loads reach
  double greedyValue_ = 0;  // of the empty container
  std::vector<std::int32_t> order_;
  std::vector<Placed> choice_;
  std::vector<Box> near_;  // loaded cartons touching the space being filled
  std::uint64_t effort_ = 0;
  std::uint64_t loadedEverythingAt_ = 0;
  std::uint32_t sinceClock_ = 0;
  bool stopped_ = false, timedOut_ = false, cancelled_ = false;
  double containerVolume_ = 1;
};

}  // namespace maxload
