// The current user's registry (advapi32), as far as the program cares: string
// values under HKEY_CURRENT_USER. Text crosses as UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bw {

struct StoredString {
  enum class State {
    Missing,     // no such key or value
    Present,     // there, of any type and size; text holds it if it is a string
    Unreadable,  // the key or value could not be read (access denied...)
  };
  State state = State::Missing;
  std::string text;
  std::optional<std::uint32_t> number;  // a 32-bit number (REG_DWORD), if it is one
};

// A stored list of strings (REG_MULTI_SZ), split at each NUL as it stands:
// empty strings included, a last string without its NUL too. A value of
// another type is Present with no items; a list of more than 64 KiB of data
// is not read, and is Unreadable.
struct StoredList {
  StoredString::State state = StoredString::State::Missing;
  std::vector<std::string> items;
};

// Keys are paths under HKEY_CURRENT_USER; an empty name is the key's default value.
class RegistryPort {
 public:
  virtual ~RegistryPort() = default;
  virtual StoredString ReadString(std::string_view keyPath, std::string_view name) = 0;
  // Creates the key when needed and writes a REG_SZ; true when it was stored.
  virtual bool WriteString(std::string_view keyPath, std::string_view name,
                           std::string_view text) = 0;
  virtual StoredList ReadList(std::string_view keyPath, std::string_view name) = 0;
  // Creates the key when needed and writes a REG_MULTI_SZ; true when it was stored.
  virtual bool WriteList(std::string_view keyPath, std::string_view name,
                         const std::vector<std::string>& items) = 0;
  // True when the value is gone afterwards (deleting a missing value succeeds).
  virtual bool DeleteValue(std::string_view keyPath, std::string_view name) = 0;
  // Makes the key anew, empty, as one that lasts no longer than the logon:
  // Windows drops it with the user's loaded registry at the end of the logon
  // or a restart. A missing parent is made the same way, the keys above it as
  // ordinary ones. True only when this call made the key: one that already
  // exists may not be volatile, so its tree is deleted and the key made once
  // more; false if that fails too.
  virtual bool CreateLogonKey(std::string_view keyPath) = 0;
  // Deletes a key with its values and subkeys; true when it is gone afterwards.
  virtual bool DeleteKey(std::string_view keyPath) = 0;
};

}  // namespace bw
