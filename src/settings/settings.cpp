#include "settings/settings.h"

#include "text/decimal.h"
#include "text/file_names.h"
#include "text/quoted.h"

namespace bw {
namespace {

// The items of a list control, one a line.
int ItemCount(int control) {
  const ControlLayout* layout = FindControl(kSettingsLayout, control);
  int items = 1;
  for (const char* c = Say(layout->text); *c; ++c) items += *c == '\n';
  return items;
}

}  // namespace

std::string RunEntryData(std::string_view executablePath) { return Quoted(executablePath); }

int ParseChoice(std::string_view text, int items) {
  const std::int64_t value = ParseDecimal(text, true);
  return value >= -1 && value < items ? static_cast<int>(value) : 0;
}

void Settings::Load() {
  for (std::size_t i = 0; i < std::size(kSettingRows); ++i) {
    values_[i] = Read(kSettingRows[i]);
    // An entry of any type or length counts; one that cannot be read is left alone.
    if (kSettingRows[i].kind == SettingKind::RunEntry && values_[i])
      Set(kSettingRows[i].control, 1);
  }
  programs_ = UsablePrograms(registry_.ReadList(kProgramsKey, "").items);
  hours_ =
      ParseWorkingHours(registry_.ReadString(kWorkingHoursKey, "").text).value_or(WorkingHours{});
  shortcut_.Load();
}

void Settings::SetHours(const WorkingHours& hours) {
  hours_ = hours;
  registry_.WriteString(kWorkingHoursKey, "", StoredText(hours));
}

bool Settings::AddProgram(std::string_view file) {
  if (!IsProgramFile(file) || ListHolds(programs_, file) || programs_.size() >= kMostPrograms) {
    return false;
  }
  programs_.emplace_back(file);
  registry_.WriteList(kProgramsKey, "", programs_);
  return true;
}

void Settings::RemoveProgram(std::size_t index) {
  if (index >= programs_.size()) return;
  programs_.erase(programs_.begin() + static_cast<std::ptrdiff_t>(index));
  registry_.WriteList(kProgramsKey, "", programs_);
}

// A flag is on for "1" alone.
int Settings::Read(const SettingRow& row) {
  if (row.kind == SettingKind::RunEntry) {
    return registry_.ReadString(kRunKeyPath, kProgramName).state == StoredString::State::Present;
  }
  const StoredString stored = registry_.ReadString(row.key, "");
  if (stored.state == StoredString::State::Missing) return row.byDefault;
  if (row.kind == SettingKind::Flag) return stored.text == "1";
  return ParseChoice(stored.text, ItemCount(row.control));
}

bool Settings::Set(int control, int value) {
  const std::size_t i = SettingRowOf(control);
  if (i == std::size(kSettingRows)) return false;
  Store(kSettingRows[i], value);
  values_[i] = kSettingRows[i].kind == SettingKind::RunEntry ? Read(kSettingRows[i]) : value;
  return true;
}

// A flag as "1" or "0", a choice as its index.
void Settings::Store(const SettingRow& row, int value) {
  if (row.kind != SettingKind::RunEntry) {
    registry_.WriteString(row.key, "",
                          DecimalText(row.kind == SettingKind::Flag ? value != 0 : value));
  } else if (value) {
    registry_.WriteString(kRunKeyPath, kProgramName, RunEntryData(session_.ExecutablePath()));
  } else {
    registry_.DeleteValue(kRunKeyPath, kProgramName);
  }
}

std::vector<ControlValue> Settings::View() const {
  std::vector<ControlValue> view(std::size(kSettingRows));
  for (std::size_t i = 0; i < view.size(); ++i) view[i] = {kSettingRows[i].control, values_[i]};
  return view;
}

}  // namespace bw
