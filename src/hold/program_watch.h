// The programs as a reason of the hold: which of the listed programs run in
// the user's session, and those a command asked for (its /while). A process is found by a look at
// the whole session, or by a window it shows, by its name alone; only a listed one is opened, to be
// watched for its end, which costs nothing until it comes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "hold/reason.h"
#include "ports/programs_port.h"
#include "text/file_names.h"

namespace bw {

// While programs are listed, a look at the whole session this often finds
// those that never show a window.
inline constexpr std::uint32_t kLookAtAllMs = 12000;

class ProgramWatch : public Reason {
 public:
  explicit ProgramWatch(ProgramsPort& programs) : Reason(Relay<ProgramWatch>), programs_(programs) {
    Settle();
  }

  // The programs to look for, a list that outlives the watch and is told
  // again after each change: processes of one no longer listed are let go.
  void SetList(const std::vector<std::string>& names);
  // A command's, for as long as this copy runs: the program counts as a
  // listed one, without joining the list.
  void AskFor(std::string_view file);
  // A command's: this one process counts while it runs, whatever its name.
  // False when it cannot be watched (not running, another session's).
  bool AskForProcess(std::uint32_t processId);
  // Every process is let go, and nothing is looked for any more.
  void LetGo();
  // Programs are looked for by name: listed, or asked for.
  bool LooksForNames() const { return (names_ && !names_->empty()) || !asked_.empty(); }
  // One look at every process of the session.
  void LookAtAll();

  void OnHeard(const Hearing& hearing);

 private:
  struct Found {
    std::uint32_t id;
    std::string file;
    bool pinned;  // asked for by its id: kept whatever the lists say
  };
  // A process as its window knows it: an ended process's id can be reused,
  // and the new process's threads then have other ids.
  struct Seen {
    std::uint32_t process = 0, thread = 0;
    bool operator==(const Seen&) const = default;
  };
  bool Holds(std::string_view file) const {
    return (names_ && ListHolds(*names_, file)) || ListHolds(asked_, file);
  }
  bool Watch(std::uint32_t id, const std::string& file, bool pinned = false);
  bool Watched(std::uint32_t id) const;
  // A window appeared: its process is looked at, unless already known.
  void OnWindowShown(std::uint32_t processId, std::uint32_t threadId);
  // Whether it holds, its words and what it listens for, after each change.
  void Settle();

  ProgramsPort& programs_;
  const std::vector<std::string>* names_ = nullptr;
  std::vector<std::string> asked_;
  std::vector<Found> running_;  // watched for their end
  // Processes lately looked at and found not listed, so that each window of
  // one costs nothing; forgotten at each whole look.
  std::array<Seen, 16> notListed_{};
  std::size_t nextNotListed_ = 0;
  std::uint32_t lastLook_ = 0;  // clock milliseconds
  // The program found first, whom the tip and /status name, and their words.
  std::string named_, tipText_, statusText_;
};

}  // namespace bw
