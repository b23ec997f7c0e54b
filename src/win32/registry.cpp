#include "win32/registry.h"

#include <windows.h>

#include "win32/handles.h"
#include "win32/text.h"

namespace bw::win32 {
namespace {

using State = StoredString::State;

State StateOf(LONG result) {
  if (result == ERROR_SUCCESS) return State::Present;
  return result == ERROR_FILE_NOT_FOUND ? State::Missing : State::Unreadable;
}

// A string value at its full length, up to its first NUL. The value may grow
// between asking its size and reading it: then it is asked again.
std::wstring ReadText(HKEY key, const std::wstring& name, DWORD size) {
  std::wstring text;
  LONG result = ERROR_MORE_DATA;
  for (int attempt = 0; attempt < 3 && result == ERROR_MORE_DATA; ++attempt) {
    text.assign(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    result = RegQueryValueExW(key, name.c_str(), nullptr, nullptr,
                              reinterpret_cast<BYTE*>(text.data()), &size);
  }
  if (result != ERROR_SUCCESS) return {};
  text.resize(size / sizeof(wchar_t));
  return text.substr(0, text.find(L'\0'));
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
  return RegDeleteKeyW(parent, path);
}

// Made volatile by this call, or false: the option is ignored for a key
// that exists.
bool CreateVolatileKey(const std::wstring& path) {
  HKEY key = nullptr;
  DWORD disposition = 0;
  const LONG result =
      RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                      KEY_SET_VALUE, nullptr, &key, &disposition);
  if (result != ERROR_SUCCESS) return false;
  const UniqueKey owner(key);
  return disposition == REG_CREATED_NEW_KEY;
}

std::wstring ParentOf(const std::wstring& path) {
  const std::size_t separator = path.rfind(L'\\');
  return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator);
}

}  // namespace

StoredString Registry::ReadString(std::string_view keyPath, std::string_view name) {
  HKEY opened = nullptr;
  const LONG open =
      RegOpenKeyExW(HKEY_CURRENT_USER, Widen(keyPath).c_str(), 0, KEY_QUERY_VALUE, &opened);
  if (open != ERROR_SUCCESS) return {StateOf(open), {}, {}};
  const UniqueKey key(opened);
  const std::wstring valueName = Widen(name);
  // A number comes with the first query; a longer value only tells its size.
  DWORD type = REG_NONE, number = 0, size = sizeof number;
  LONG query = RegQueryValueExW(key.Get(), valueName.c_str(), nullptr, &type,
                                reinterpret_cast<BYTE*>(&number), &size);
  if (query == ERROR_MORE_DATA) query = ERROR_SUCCESS;
  StoredString value{StateOf(query), {}, {}};
  if (query == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ)) {
    value.text = Narrow(ReadText(key.Get(), valueName, size));
  }
  if (query == ERROR_SUCCESS && type == REG_DWORD && size == sizeof number) value.number = number;
  return value;
}

bool Registry::WriteString(std::string_view keyPath, std::string_view name, std::string_view text) {
  HKEY created = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, Widen(keyPath).c_str(), 0, nullptr,
                      REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &created,
                      nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const UniqueKey key(created);
  const std::wstring data = Widen(text);
  // The size counts the terminating NUL.
  const auto bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(key.Get(), Widen(name).c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(data.c_str()), bytes) == ERROR_SUCCESS;
}

// The keys above the parent are made first as ordinary keys: created in the
// same call they would be volatile too, and the settings stored beside the
// note could no longer be written. The parent is volatile if this call makes
// it, and any that exists will do.
bool Registry::CreateLogonKey(std::string_view keyPath) {
  const std::wstring path = Widen(keyPath);
  const std::wstring parent = ParentOf(path), above = ParentOf(parent);
  HKEY aboveKey = nullptr, parentKey = nullptr;
  if (above.empty() ||
      RegCreateKeyExW(HKEY_CURRENT_USER, above.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_QUERY_VALUE, nullptr, &aboveKey, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const UniqueKey aboveOwner(aboveKey);
  if (RegCreateKeyExW(HKEY_CURRENT_USER, parent.c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                      KEY_QUERY_VALUE, nullptr, &parentKey, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const UniqueKey parentOwner(parentKey);
  if (CreateVolatileKey(path)) return true;
  DeleteTree(HKEY_CURRENT_USER, path.c_str());
  return CreateVolatileKey(path);
}

bool Registry::DeleteKey(std::string_view keyPath) {
  const LONG result = DeleteTree(HKEY_CURRENT_USER, Widen(keyPath).c_str());
  return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

bool Registry::DeleteValue(std::string_view keyPath, std::string_view name) {
  HKEY opened = nullptr;
  const LONG open =
      RegOpenKeyExW(HKEY_CURRENT_USER, Widen(keyPath).c_str(), 0, KEY_SET_VALUE, &opened);
  if (open != ERROR_SUCCESS) return open == ERROR_FILE_NOT_FOUND;
  const UniqueKey key(opened);
  const LONG result = RegDeleteValueW(key.Get(), Widen(name).c_str());
  return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

}  // namespace bw::win32
