#include "words/texts.h"

namespace bw {
namespace {

const char* const* userTable = nullptr;

}  // namespace

void UseTexts(const char* const* table) { userTable = table; }

const char* Say(Text id) {
  const int at = static_cast<int>(id);
  return userTable && at >= 1 && at <= kTranslatedCount ? userTable[at - 1] : kEnglish[at];
}

void FillInto(std::string& out, std::string_view text,
              std::initializer_list<std::string_view> values) {
  for (std::size_t at = 0; at < text.size(); ++at) {
    const std::size_t n = at + 1 < text.size() ? static_cast<std::size_t>(text[at + 1] - '1') : 9;
    if (text[at] == '%' && n < values.size()) {
      out += values.begin()[n];
      ++at;
    } else {
      out += text[at];
    }
  }
}

}  // namespace bw
