#include "win32/registry.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "win32/diagnostics.h"
#include "win32/handles.h"
#include "win32/text.h"

namespace bw::win32 {
namespace {

using State = StoredString::State;

State StateOf(LONG result) {
  if (result == ERROR_SUCCESS) return State::Present;
  return result == ERROR_FILE_NOT_FOUND ? State::Missing : State::Unreadable;
}

LONG OpenKey(std::string_view path, REGSAM access, HKEY* key) {
  return RegOpenKeyExW(HKEY_CURRENT_USER, Widen(path).c_str(), 0, access, key);
}

LONG CreateKey(std::string_view path, DWORD options, REGSAM access, HKEY* key,
               DWORD* disposition = nullptr) {
  const LONG result = RegCreateKeyExW(HKEY_CURRENT_USER, Widen(path).c_str(), 0, nullptr, options,
                                      access, nullptr, key, disposition);
  if (result != ERROR_SUCCESS) ReportFailure("RegCreateKeyEx", result);
  return result;
}

// The most data a list may hold: anything longer is not read at all. Another
// program may store a list of any size, and the program holds only a few names.
constexpr DWORD kMostListBytes = 64 * 1024;

// A value as stored: whether it is there, its type, a number's value, and its
// data as UTF-16 with its NULs. The data of this program's values fits the
// buffer within; a longer value's goes to the heap, unless it is longer than
// the caller takes: then it is left unread.
struct RawValue {
  State state;
  DWORD type = REG_NONE, number = 0;
  std::size_t length = 0;  // in UTF-16 units
  bool whole = true;       // false when its data was not read: too long, or not to be had
  wchar_t* data = local;
  wchar_t local[1024];

  RawValue(std::string_view keyPath, std::string_view name, DWORD mostBytes = MAXDWORD);
  RawValue(const RawValue&) = delete;
  ~RawValue() {
    if (data != local) std::free(data);
  }
  std::wstring_view Data() const { return {data, length}; }
};

RawValue::RawValue(std::string_view keyPath, std::string_view name, DWORD mostBytes) {
  HKEY opened = nullptr;
  LONG result = OpenKey(keyPath, KEY_QUERY_VALUE, &opened);
  state = StateOf(result);
  if (result != ERROR_SUCCESS) return;
  const UniqueKey key(opened);
  const std::wstring valueName = Widen(name);
  DWORD size = sizeof local;
  result = RegQueryValueExW(key.Get(), valueName.c_str(), nullptr, &type,
                            reinterpret_cast<BYTE*>(local), &size);
  // Too long for the buffer is there all the same.
  state = StateOf(result == ERROR_MORE_DATA ? ERROR_SUCCESS : result);
  if (type == REG_DWORD) {
    if (size != sizeof number) type = REG_NONE;
    std::memcpy(&number, local, sizeof number);
  }
  // The value may grow between asking its size and reading it: then it is
  // asked again.
  for (int attempt = 0; attempt < 3 && result == ERROR_MORE_DATA; ++attempt) {
    if (size > mostBytes) {
      whole = false;
      return;
    }
    if (data != local) std::free(data);
    data = static_cast<wchar_t*>(std::malloc(size));
    if (!data) {
      data = local;
      whole = false;
      return;
    }
    result = RegQueryValueExW(key.Get(), valueName.c_str(), nullptr, nullptr,
                              reinterpret_cast<BYTE*>(data), &size);
  }
  if (result == ERROR_SUCCESS) {
    length = size / sizeof(wchar_t);
  } else {
    whole = false;
  }
}

// The size counts the terminating NUL.
bool Write(std::string_view keyPath, std::string_view name, DWORD type, std::string_view data) {
  HKEY created = nullptr;
  if (CreateKey(keyPath, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, &created) != ERROR_SUCCESS) {
    return false;
  }
  const UniqueKey key(created);
  const std::wstring wide = Widen(data);
  const auto bytes = static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t));
  const LONG result = RegSetValueExW(key.Get(), Widen(name).c_str(), 0, type,
                                     reinterpret_cast<const BYTE*>(wide.c_str()), bytes);
  if (result != ERROR_SUCCESS) ReportFailure("RegSetValueEx", result);
  return result == ERROR_SUCCESS;
}

// RegDeleteTree comes only with Vista: subkeys first, then the key. A
// subkey that will not go ends the walk, which would otherwise find it again.
LONG DeleteTree(HKEY parent, const wchar_t* path) {
  HKEY opened = nullptr;
  const LONG open =
      RegOpenKeyExW(parent, path, 0, KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE, &opened);
  if (open != ERROR_SUCCESS) return open;
  {
    const UniqueKey key(opened);
    wchar_t name[256];  // the longest key name
    DWORD length = 256;
    while (RegEnumKeyExW(key.Get(), 0, name, &length, nullptr, nullptr, nullptr, nullptr) ==
               ERROR_SUCCESS &&
           DeleteTree(key.Get(), name) == ERROR_SUCCESS) {
      length = 256;
    }
  }
  const LONG result = RegDeleteKeyW(parent, path);
  if (result != ERROR_SUCCESS) ReportFailure("RegDeleteKey", result);
  return result;
}

// Made volatile by this call, or false: the option is ignored for a key
// that exists.
bool CreateVolatileKey(std::string_view path) {
  HKEY key = nullptr;
  DWORD disposition = 0;
  if (CreateKey(path, REG_OPTION_VOLATILE, KEY_SET_VALUE, &key, &disposition) != ERROR_SUCCESS) {
    return false;
  }
  const UniqueKey owner(key);
  return disposition == REG_CREATED_NEW_KEY;
}

// The path up to its last separator, or empty if it has none. A backslash is
// never part of another character in UTF-8.
std::string_view ParentOf(std::string_view path) {
  const std::size_t separator = path.rfind('\\');
  return path.substr(0, separator == path.npos ? 0 : separator);
}

}  // namespace

StoredString Registry::ReadString(std::string_view keyPath, std::string_view name) {
  const RawValue raw(keyPath, name);
  StoredString value{raw.state, {}, {}};
  if (raw.state != State::Present) return value;
  if (raw.type == REG_SZ || raw.type == REG_EXPAND_SZ) {
    const std::wstring_view data = raw.Data();
    value.text = Narrow(data.substr(0, data.find(L'\0')));
  }
  if (raw.type == REG_DWORD) value.number = raw.number;
  return value;
}

// Every string as it stands: a last one without its NUL too, and the list's
// own empty terminator left out. A list not read whole (longer than the
// program takes, or not to be had) is one it cannot use.
StoredList Registry::ReadList(std::string_view keyPath, std::string_view name) {
  const RawValue raw(keyPath, name, kMostListBytes);
  StoredList list{raw.state, {}};
  if (raw.state != State::Present || raw.type != REG_MULTI_SZ) return list;
  if (!raw.whole) return {State::Unreadable, {}};
  std::wstring_view data = raw.Data();
  while (!data.empty() && data.back() == L'\0') data.remove_suffix(1);
  for (std::size_t start = 0; start <= data.size() && !data.empty();) {
    const std::size_t end = std::min(data.find(L'\0', start), data.size());
    list.items.push_back(Narrow(data.substr(start, end - start)));
    start = end + 1;
  }
  return list;
}

bool Registry::WriteString(std::string_view keyPath, std::string_view name, std::string_view text) {
  return Write(keyPath, name, REG_SZ, text);
}

// Each string with its NUL, then the empty one that ends the list. UTF-8 has
// its NUL where UTF-16 has one, so the whole list is widened at once.
bool Registry::WriteList(std::string_view keyPath, std::string_view name,
                         const std::vector<std::string>& items) {
  std::string data;
  for (const std::string& item : items) {
    data += item;
    data += '\0';
  }
  return Write(keyPath, name, REG_MULTI_SZ, data);
}

// The keys above the parent are made first as ordinary keys: created in the
// same call they would be volatile too, and the settings stored beside the
// note could no longer be written. The parent is volatile if this call makes
// it, and any that exists will do.
bool Registry::CreateLogonKey(std::string_view keyPath) {
  const std::string_view parent = ParentOf(keyPath), above = ParentOf(parent);
  HKEY aboveKey = nullptr, parentKey = nullptr;
  if (above.empty() ||
      CreateKey(above, REG_OPTION_NON_VOLATILE, KEY_QUERY_VALUE, &aboveKey) != ERROR_SUCCESS) {
    return false;
  }
  const UniqueKey aboveOwner(aboveKey);
  if (CreateKey(parent, REG_OPTION_VOLATILE, KEY_QUERY_VALUE, &parentKey) != ERROR_SUCCESS) {
    return false;
  }
  const UniqueKey parentOwner(parentKey);
  if (CreateVolatileKey(keyPath)) return true;
  DeleteTree(HKEY_CURRENT_USER, Widen(keyPath).c_str());
  return CreateVolatileKey(keyPath);
}

bool Registry::DeleteKey(std::string_view keyPath) {
  const LONG result = DeleteTree(HKEY_CURRENT_USER, Widen(keyPath).c_str());
  return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

bool Registry::DeleteValue(std::string_view keyPath, std::string_view name) {
  HKEY opened = nullptr;
  const LONG open = OpenKey(keyPath, KEY_SET_VALUE, &opened);
  if (open == ERROR_FILE_NOT_FOUND) return true;
  if (open != ERROR_SUCCESS) {
    ReportFailure("RegOpenKeyEx", open);
    return false;
  }
  const UniqueKey key(opened);
  const LONG result = RegDeleteValueW(key.Get(), Widen(name).c_str());
  if (result == ERROR_FILE_NOT_FOUND) return true;
  if (result != ERROR_SUCCESS) ReportFailure("RegDeleteValue", result);
  return result == ERROR_SUCCESS;
}

}  // namespace bw::win32
