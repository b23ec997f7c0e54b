// The texts in the user's language, from the exe's resources.
#pragma once

#include <windows.h>

#include <array>

#include "words/texts.h"

namespace bw::win32 {

using TextTable = std::array<const char*, kTranslatedCount>;

// Points the table at the texts of a language's resource in `module`; false,
// and the table untouched, where there is none or it lacks a text.
bool LoadTexts(HMODULE module, LANGID language, TextTable& table);

// Makes the user's interface language the program's, where a table has it:
// `table` holds it as long as the program speaks it.
void UseUserLanguage(TextTable& table);

}  // namespace bw::win32
