// The one notification-icon record, kept in the program's own form and encoded
// into the 88-byte first-version NOTIFYICONDATAA layout of 32-bit Windows.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/ports.h"

namespace bw {

inline constexpr std::uint32_t kTrayRecordSize = 88;        // first-version NOTIFYICONDATAA, 32-bit
inline constexpr std::size_t kTipFieldSize = 64;            // szTip: 63 characters and a NUL
inline constexpr std::uint32_t kTrayIconId = 1;             // uID: the program's only icon
inline constexpr std::uint32_t kTrayFlags = 7;              // NIF_MESSAGE | NIF_ICON | NIF_TIP
inline constexpr std::uint32_t kTrayCallbackMessage = 512;  // WM_MOUSEMOVE on the callback window

// Shell_NotifyIconA messages.
inline constexpr std::uint32_t kNimAdd = 0;
inline constexpr std::uint32_t kNimModify = 1;
inline constexpr std::uint32_t kNimDelete = 2;

struct TrayIconData {
  std::uint32_t cbSize = 0;
  Handle hWnd = 0;
  std::uint32_t uID = 0;
  std::uint32_t uFlags = 0;
  std::uint32_t uCallbackMessage = 0;
  Handle hIcon = 0;
  std::array<char, kTipFieldSize> szTip{};
};

// Writes a tip into the field: the text, one NUL, then spaces to the end. A
// text of more than 63 characters keeps its first 63, so the NUL always fits.
void WriteTipField(std::array<char, kTipFieldSize>& field, std::string_view text);

// The text of the tip field: everything before its NUL.
std::string_view TipFieldText(const std::array<char, kTipFieldSize>& field);

// The record in the 32-bit layout, little-endian, handles cut to 32 bits.
std::array<std::uint8_t, kTrayRecordSize> EncodeTrayRecord(const TrayIconData& record);

}  // namespace bw
