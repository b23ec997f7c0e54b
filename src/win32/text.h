// The logic's UTF-8 text and Windows' UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace bw::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace bw::win32
