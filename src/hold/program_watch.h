// Which of the listed programs run in the user's session. A process is found
// by a look at the whole session, or by a window it shows, by its name alone;
// only a listed one is opened, to be watched for its end, which costs nothing
// until it comes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ports/programs.h"

namespace bw {

class ProgramWatch {
 public:
  explicit ProgramWatch(ProgramsPort& programs) : programs_(programs) {}

  // The programs to look for, a list that outlives the watch and is told
  // again after each change: processes of one no longer listed are let go.
  void SetList(const std::vector<std::string>& names);
  // One look at every process of the session.
  void LookAtAll();
  // A window appeared: its process is looked at, unless already known.
  void OnWindowShown(std::uint32_t processId, std::uint32_t threadId);
  void OnProcessEnded(std::uint32_t processId);
  // The file name of a listed program that runs, the one found first; empty
  // while none runs.
  std::string_view Running() const {
    return running_.empty() ? std::string_view() : running_.front().file;
  }

 private:
  struct Found {
    std::uint32_t id;
    std::string file;
  };
  // A process as its window knows it: an ended process's id can be reused,
  // and the new process's threads then have other ids.
  struct Seen {
    std::uint32_t process = 0, thread = 0;
    bool operator==(const Seen&) const = default;
  };
  bool Watch(std::uint32_t id, const std::string& file);
  bool Watched(std::uint32_t id) const;

  ProgramsPort& programs_;
  const std::vector<std::string>* names_ = nullptr;
  std::vector<Found> running_;  // watched for their end
  // Processes lately looked at and found not listed, so that each window of
  // one costs nothing; forgotten at each whole look.
  std::array<Seen, 16> notListed_{};
  std::size_t nextNotListed_ = 0;
};

}  // namespace bw
