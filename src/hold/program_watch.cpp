#include "hold/program_watch.h"

#include <algorithm>

#include "text/file_names.h"

namespace bw {

void ProgramWatch::SetList(const std::vector<std::string>& names) {
  names_ = &names;
  std::erase_if(running_, [&](const Found& found) {
    if (ListHolds(names, found.file)) return false;
    programs_.StopWatching(found.id);
    return true;
  });
}

void ProgramWatch::LookAtAll() {
  notListed_.fill({});
  if (!names_ || names_->empty()) return;
  for (const RunningProcess& process : programs_.Processes()) {
    if (ListHolds(*names_, process.file)) Watch(process.id, process.file);
  }
}

void ProgramWatch::OnWindowShown(std::uint32_t processId, std::uint32_t threadId) {
  const Seen seen{processId, threadId};
  if (!names_ || names_->empty() || Watched(processId) ||
      std::find(notListed_.begin(), notListed_.end(), seen) != notListed_.end()) {
    return;
  }
  const std::string file = programs_.ProcessFile(processId);
  if (!ListHolds(*names_, file) || !Watch(processId, file)) {
    notListed_[nextNotListed_++ % notListed_.size()] = seen;
  }
}

void ProgramWatch::OnProcessEnded(std::uint32_t processId) {
  std::erase_if(running_, [&](const Found& found) { return found.id == processId; });
}

// A process that cannot be watched (gone already, another session's) does not count.
bool ProgramWatch::Watch(std::uint32_t id, const std::string& file) {
  if (Watched(id)) return true;
  if (!programs_.WatchForEnd(id)) return false;
  running_.push_back({id, file});
  return true;
}

bool ProgramWatch::Watched(std::uint32_t id) const {
  return std::any_of(running_.begin(), running_.end(),
                     [&](const Found& found) { return found.id == id; });
}

}  // namespace bw
