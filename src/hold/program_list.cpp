#include "hold/program_list.h"

namespace bw {
namespace {

constexpr char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Enough of a title to tell windows apart in a menu.
constexpr std::size_t kLongestTitle = 60;

void AppendShown(std::string& line, std::string_view text) {
  for (const char c : text) {
    line += c;
    if (c == '&') line += '&';
  }
}

}  // namespace

bool IsProgramFile(std::string_view name) {
  if (name.empty() || name.size() > kLongestFileName || name.back() == '.' || name.back() == ' ') {
    return false;
  }
  for (const char c : name) {
    if (static_cast<unsigned char>(c) < 0x20 ||
        std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) {
      return false;
    }
  }
  return true;
}

bool SameProgram(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

bool ListHolds(const std::vector<std::string>& list, std::string_view file) {
  for (const std::string& listed : list) {
    if (SameProgram(listed, file)) return true;
  }
  return false;
}

bool Offered(std::string_view file, std::string_view self) {
  return !SameProgram(file, "explorer.exe") && !SameProgram(file, "ApplicationFrameHost.exe") &&
         !SameProgram(file, self);
}

std::string_view FileNameOf(std::string_view path) {
  const std::size_t separator = path.find_last_of("\\/");
  return separator == std::string_view::npos ? path : path.substr(separator + 1);
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
    // Cut at the start of a character, never inside one.
    std::size_t end = kLongestTitle;
    while (end > 0 && (static_cast<unsigned char>(title[end]) & 0xC0) == 0x80) --end;
    AppendShown(line, title.substr(0, end));
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
