// Registry facts shared by the settings and the screen-saver service.
#pragma once

#include <cstdint>

#include "platform/ports.h"

namespace bw {

inline constexpr Handle kHKeyCurrentUser = 0x80000001;  // HKEY_CURRENT_USER

// Access rights.
inline constexpr std::uint32_t kKeyQueryValue = 0x1;  // KEY_QUERY_VALUE
inline constexpr std::uint32_t kKeySetValue = 0x2;    // KEY_SET_VALUE
// The specific rights of KEY_ALL_ACCESS without its standard rights.
inline constexpr std::uint32_t kKeyAllSpecificRights = 0x3F;

// Value types.
inline constexpr std::uint32_t kRegSz = 1;  // REG_SZ

// Result codes.
inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorMoreData = 234;

// The key one registry operation holds open; each operation opens its key
// into it and closes it again before it ends.
inline Handle RunKeyHandle = 0;

}  // namespace bw
