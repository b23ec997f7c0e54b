#include "settings/settings_presenter.h"

#include "settings/program_list.h"
#include "text/file_names.h"
#include "words/texts.h"

namespace bw {
namespace {

constexpr int kDaysPerWeek = 7;

}  // namespace

// The reason under the shortcut first; the days by place, from the first
// day of the user's week. Sound cannot be followed where the system lists
// no audio sessions: its box is not offered there.
SettingsView SettingsPresenter::View() const {
  SettingsView view{kTitle,
                    settings_.View(),
                    settings_.programs(),
                    {{kIdHotkeyStatus, settings_.shortcut().status()}}};
  if (!sound_.HasSessions()) view.hidden.push_back(kIdWhileSound);
  const auto listed = static_cast<int>(settings_.programs().size());
  view.values.push_back({kIdPrograms, selection_});
  view.values.push_back({kIdAddProgram, listed < static_cast<int>(kMostPrograms)});
  view.values.push_back({kIdRemoveProgram, selection_ >= 0 && selection_ < listed});
  const WorkingHours& hours = settings_.hours();
  view.values.push_back({kIdWorkingHours, hours.on});
  for (int place = 0; place < kDaysPerWeek; ++place) {
    const int day = (firstDay_ + place) % kDaysPerWeek;
    view.values.push_back({kIdFirstDay + place, hours.days >> day & 1});
    view.texts.push_back(
        {kIdFirstDay + place, Say(static_cast<Text>(static_cast<int>(Text::Monday) + day))});
  }
  view.values.push_back({kIdFrom, hours.from});
  view.values.push_back({kIdTo, hours.to});
  view.values.push_back({kIdHotkey, settings_.shortcut().value()});
  return view;
}

// The hours with one control's change; nothing for a control that is none of
// the hours', or a time that is no time of day.
std::optional<WorkingHours> SettingsPresenter::HoursWith(int controlId, int value) const {
  WorkingHours hours = settings_.hours();
  const int place = controlId - kIdFirstDay;
  if (controlId == kIdWorkingHours) {
    hours.on = value != 0;
  } else if (place >= 0 && place < kDaysPerWeek) {
    const auto day = static_cast<std::uint8_t>(1 << (firstDay_ + place) % kDaysPerWeek);
    hours.days = value ? hours.days | day : hours.days & ~day;
  } else if ((controlId == kIdFrom || controlId == kIdTo) && value >= 0 && value < kMinutesPerDay) {
    (controlId == kIdFrom ? hours.from : hours.to) = value;
  } else {
    return std::nullopt;
  }
  return hours;
}

SettingsChange SettingsPresenter::OnChanged(int controlId, int value) {
  SettingsChange change = SettingsChange::None;
  if (controlId == kIdPrograms) {
    selection_ = value;
  } else if (controlId == kIdHotkey) {
    if (!settings_.shortcut().Choose(value)) return change;
  } else if (const std::optional<WorkingHours> hours = HoursWith(controlId, value)) {
    settings_.SetHours(*hours);
    change = SettingsChange::Hours;
  } else if (settings_.Set(controlId, value)) {
    change = controlId == kIdFullScreen   ? SettingsChange::FullScreen
             : controlId == kIdWhileSound ? SettingsChange::Sound
             : controlId == kIdMainsOnly  ? SettingsChange::Power
                                          : SettingsChange::Stored;
  } else {
    return change;
  }
  window_.Update(View());
  return change;
}

SettingsChange SettingsPresenter::OnButton(int controlId) {
  if (controlId == kIdAddProgram) return AddProgram();
  if (controlId == kIdRemoveProgram) return RemoveProgram();
  return SettingsChange::None;
}

// The programs with a window now, each once, those listed already left out;
// or any program, browsed for.
SettingsChange SettingsPresenter::AddProgram() {
  std::vector<ProgramWindow> offered = programs_.Windows();
  std::vector<std::string> files;
  const std::string self = session_.ExecutablePath();
  std::erase_if(offered, [&](const ProgramWindow& window) {
    if (files.size() == kMostPrograms || !IsProgramFile(window.file) ||
        !Offered(window.file, FileNameOf(self)) || ListHolds(files, window.file) ||
        ListHolds(settings_.programs(), window.file)) {
      return true;
    }
    files.push_back(window.file);
    return false;
  });
  std::vector<MenuItem> items;
  for (ProgramWindow& window : offered) {
    window.title = ProgramMenuLine(window.title, window.file);
    items.push_back({static_cast<int>(items.size()) + 1, window.title.c_str(), true});
  }
  if (!items.empty()) items.push_back({0, nullptr, false});
  constexpr int kBrowse = kMostPrograms + 1;
  items.push_back({kBrowse, Say(Text::Browse), true});
  const int chosen = window_.TrackControlMenu(kIdAddProgram, items);
  std::string file;
  if (chosen == kBrowse) file = FileNameOf(window_.BrowseForProgram());
  if (chosen > 0 && chosen <= static_cast<int>(files.size())) file = files[chosen - 1];
  if (!file.empty() && SameProgram(file, FileNameOf(self))) {
    window_.ShowMessage(Fill(Text::NotItself, {kProgramName}).c_str());
    return SettingsChange::None;
  }
  if (!settings_.AddProgram(file)) return SettingsChange::None;
  selection_ = static_cast<int>(settings_.programs().size()) - 1;
  window_.Update(View());
  return SettingsChange::ProgramAdded;
}

// The line below takes the selection, or the one above at the end.
SettingsChange SettingsPresenter::RemoveProgram() {
  const auto listed = static_cast<int>(settings_.programs().size());
  if (selection_ < 0 || selection_ >= listed) return SettingsChange::None;
  settings_.RemoveProgram(static_cast<std::size_t>(selection_));
  if (selection_ == listed - 1) --selection_;
  window_.Update(View());
  return SettingsChange::ProgramRemoved;
}

}  // namespace bw
