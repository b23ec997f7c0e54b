#include "win32/user_texts.h"

#include "win32/res/resource_ids.h"

namespace bw::win32 {

// The texts stay in the mapped image: each entry points at its NUL-ended
// text, and nothing is copied.
bool LoadTexts(HMODULE module, LANGID language, TextTable& table) {
  const HRSRC found = FindResourceExA(module, RT_RCDATA, MAKEINTRESOURCEA(IDR_WORDS), language);
  if (!found) return false;
  const char* at = static_cast<const char*>(LockResource(LoadResource(module, found)));
  const char* const end = at + SizeofResource(module, found);
  TextTable texts;
  for (const char*& text : texts) {
    text = at;
    while (at < end && *at) ++at;
    if (at++ == end) return false;
  }
  table = texts;
  return true;
}

void UseUserLanguage(TextTable& table) {
  const LANGID language = TableLanguage(GetUserDefaultUILanguage());
  if (language && LoadTexts(GetModuleHandleW(nullptr), language, table)) UseTexts(table.data());
}

}  // namespace bw::win32
