// The tables of texts: every language has every text, with the placeholders
// of the English one, and the words are filled in where each language puts them.
#include "words/texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace bw {
namespace {

// A language's texts as its resource source writes them: the quoted strings
// in order, joined, and split at each "\0".
std::vector<std::string> ReadTable(const std::string& language) {
  std::ifstream file(std::string(WORDS_RES_DIR) + "/words_" + language + ".rc");
  std::stringstream whole;
  whole << file.rdbuf();
  const std::string source = whole.str();
  std::vector<std::string> texts(1);
  for (std::size_t at = 0; at < source.size(); ++at) {
    if (source.compare(at, 2, "//") == 0) at = source.find('\n', at);
    if (at == std::string::npos) break;
    if (source[at] != '"') continue;
    for (++at; at < source.size() && !(source[at] == '"' && source[at + 1] != '"'); ++at) {
      const char c = source[at];
      if (c == '"') ++at;  // "" is one quote
      if (c != '\\') {
        texts.back() += c;
      } else if (source[++at] == '0') {
        texts.emplace_back();
      } else {
        texts.back() += source[at] == 'n' ? '\n' : source[at];
      }
    }
  }
  texts.pop_back();  // after the last "\0"
  return texts;
}

std::vector<std::string> Placeholders(std::string_view text) {
  std::vector<std::string> found;
  for (std::size_t at = text.find('%'); at != std::string_view::npos; at = text.find('%', at + 1)) {
    found.emplace_back(text.substr(at, 2));
  }
  std::sort(found.begin(), found.end());
  return found;
}

TEST(Texts, EveryTableHasEveryTextWithTheEnglishPlaceholders) {
  for (const char* language : {"de", "fr", "es", "pt", "ru", "ja", "zh"}) {
    const std::vector<std::string> texts = ReadTable(language);
    ASSERT_EQ(texts.size(), 82u) << language;
    for (std::size_t i = 0; i < texts.size(); ++i) {
      EXPECT_FALSE(texts[i].empty()) << language << " " << i + 1;
      EXPECT_EQ(Placeholders(texts[i]), Placeholders(kEnglish[i + 1]))
          << language << " " << texts[i];
    }
  }
}

// A language's own table, or its primary language's, else English; a
// table's words in its own order.
TEST(Texts, TheUsersLanguageFindsItsTableAndOrdersTheWords) {
  EXPECT_EQ(TableLanguage(0x0407), 0x0007);  // German (Germany)
  EXPECT_EQ(TableLanguage(0x0C07), 0x0007);  // German (Austria)
  EXPECT_EQ(TableLanguage(0x0816), 0x0416);  // Portuguese (Portugal)
  EXPECT_EQ(TableLanguage(0x0804), 0x0804);  // Chinese (PRC)
  EXPECT_EQ(TableLanguage(0x0409), 0);       // English
  EXPECT_EQ(TableLanguage(0x0413), 0);       // Dutch
  EXPECT_EQ(Fill(Text::HoursAndMinutes, {"2 hours", "5 minutes"}), "2 hours and 5 minutes");
  std::vector<const char*> table(kTranslatedCount, "?");
  table[static_cast<int>(Text::HoursAndMinutes) - 1] = "%2, %1%";
  UseTexts(table.data());
  EXPECT_EQ(Fill(Text::HoursAndMinutes, {"2 h", "5 m"}), "5 m, 2 h%");
  EXPECT_STREQ(Say(Text::TitleCaption), "Blinkward v");
  UseTexts(nullptr);
  EXPECT_STREQ(Say(Text::Exit), "Exit");
}

}  // namespace
}  // namespace bw
