#include "hold/program_watch.h"

#include <algorithm>

#include "words/texts.h"

namespace bw {

void ProgramWatch::SetList(const std::vector<std::string>& names) {
  names_ = &names;
  std::erase_if(running_, [&](const Found& found) {
    if (found.pinned || Holds(found.file)) return false;
    programs_.StopWatching(found.id);
    return true;
  });
  Settle();
}

void ProgramWatch::AskFor(std::string_view file) {
  if (!ListHolds(asked_, file)) asked_.emplace_back(file);
  LookAtAll();
}

bool ProgramWatch::AskForProcess(std::uint32_t processId) {
  const std::string file = programs_.ProcessFile(processId);
  const bool watched = !file.empty() && Watch(processId, file, true);
  Settle();
  return watched;
}

void ProgramWatch::LetGo() {
  for (const Found& found : running_) programs_.StopWatching(found.id);
  running_.clear();
  names_ = nullptr;
  asked_.clear();
  Settle();
}

void ProgramWatch::LookAtAll() {
  notListed_.fill({});
  if (LooksForNames()) {
    for (const RunningProcess& process : programs_.Processes()) {
      if (Holds(process.file)) Watch(process.id, process.file);
    }
  }
  Settle();
}

void ProgramWatch::OnWindowShown(std::uint32_t processId, std::uint32_t threadId) {
  const Seen seen{processId, threadId};
  if (!LooksForNames() || Watched(processId) ||
      std::find(notListed_.begin(), notListed_.end(), seen) != notListed_.end()) {
    return;
  }
  const std::string file = programs_.ProcessFile(processId);
  if (!Holds(file) || !Watch(processId, file)) {
    notListed_[nextNotListed_++ % notListed_.size()] = seen;
  }
}

// A look at the whole session now and then, for listed programs that never
// show a window; a window's process as it comes.
void ProgramWatch::OnHeard(const Hearing& hearing) {
  switch (hearing.what) {
    case kPoll:
      if (hearing.now - lastLook_ < kLookAtAllMs) return;
      [[fallthrough]];
    case kLook:
      lastLook_ = hearing.now;
      return LookAtAll();
    case kWindow:
      OnWindowShown(hearing.id, hearing.thread);
      break;
    case kProcessEnd:
      std::erase_if(running_, [&](const Found& found) { return found.id == hearing.id; });
      break;
    case kEnd:
      return LetGo();
    default:
      return;
  }
  Settle();
}

// The tip is made anew only when the program it names changes: a poll
// allocates nothing.
void ProgramWatch::Settle() {
  holds_ = !running_.empty();
  hears_ = kLook | kProcessEnd | kEnd | (LooksForNames() ? kPoll | kWindow : 0);
  if (!holds_ || running_.front().file == named_) return;
  named_ = running_.front().file;
  tipText_.clear();
  FillInto(tipText_, Say(Text::HeldByProgramTip), {named_});
  tip_ = tipText_.c_str();
  status_ = statusText_.assign(" while ").append(named_).append(" runs").c_str();
  ++words_;
}

// A process that cannot be watched (gone already, another session's) does not count.
// A process found by its name and then asked for by its id stays pinned.
bool ProgramWatch::Watch(std::uint32_t id, const std::string& file, bool pinned) {
  for (Found& found : running_) {
    if (found.id != id) continue;
    found.pinned |= pinned;
    return true;
  }
  if (!programs_.WatchForEnd(id)) return false;
  running_.push_back({id, file, pinned});
  return true;
}

bool ProgramWatch::Watched(std::uint32_t id) const {
  return std::any_of(running_.begin(), running_.end(),
                     [&](const Found& found) { return found.id == id; });
}

}  // namespace bw
