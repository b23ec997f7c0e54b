#include "settings/program_list.h"

#include "text/file_names.h"
#include "text/utf8.h"

namespace bw {
namespace {

// Enough of a title to tell windows apart in a menu.
constexpr std::size_t kLongestTitle = 60;

void AppendShown(std::string& line, std::string_view text) {
  for (const char c : text) {
    line += c;
    if (c == '&') line += '&';
  }
}

}  // namespace

bool Offered(std::string_view file, std::string_view self) {
  return !SameProgram(file, "explorer.exe") && !SameProgram(file, "ApplicationFrameHost.exe") &&
         !SameProgram(file, self);
}

std::vector<std::string> UsablePrograms(const std::vector<std::string>& stored) {
  std::vector<std::string> usable;
  for (const std::string& entry : stored) {
    if (usable.size() == kMostPrograms) break;
    if (IsProgramFile(entry) && !ListHolds(usable, entry)) usable.push_back(entry);
  }
  return usable;
}

std::string ProgramMenuLine(std::string_view title, std::string_view file) {
  std::string line;
  if (title.size() > kLongestTitle) {
    AppendShown(line, title.substr(0, CharacterStart(title, kLongestTitle)));
    line += "...";
  } else {
    AppendShown(line, title);
  }
  line += " (";
  AppendShown(line, file);
  line += ')';
  return line;
}

}  // namespace bw
