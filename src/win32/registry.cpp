#include "win32/registry.h"

#include <windows.h>

#include <algorithm>

#include "win32/handles.h"
#include "win32/text.h"

namespace bw::win32 {
namespace {

using State = StoredString::State;

State StateOf(LONG result) {
  if (result == ERROR_SUCCESS) return State::Present;
  return result == ERROR_FILE_NOT_FOUND ? State::Missing : State::Unreadable;
}

// A value's data as UTF-16 at its full length, NULs included. The value may
// grow between asking its size and reading it: then it is asked again.
std::wstring ReadData(HKEY key, const std::wstring& name, DWORD size) {
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
  return text;
}

// The value's type and size, and whether it is there; the key opened for it.
struct Query {
  LONG result;
  DWORD type, size, number;
};

Query QueryValue(HKEY key, const std::wstring& name) {
  // A number comes with the first query; a longer value only tells its size.
  Query query{ERROR_SUCCESS, REG_NONE, sizeof(DWORD), 0};
  query.result = RegQueryValueExW(key, name.c_str(), nullptr, &query.type,
                                  reinterpret_cast<BYTE*>(&query.number), &query.size);
  if (query.result == ERROR_MORE_DATA) query.result = ERROR_SUCCESS;
  return query;
}

bool Write(std::string_view keyPath, std::string_view name, DWORD type, const std::wstring& data) {
  HKEY created = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, Widen(keyPath).c_str(), 0, nullptr,
                      REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &created,
                      nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const UniqueKey key(created);
  // The size counts the terminating NUL.
  const auto bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(key.Get(), Widen(name).c_str(), 0, type,
                        reinterpret_cast<const BYTE*>(data.c_str()), bytes) == ERROR_SUCCESS;
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
  const Query query = QueryValue(key.Get(), valueName);
  StoredString value{StateOf(query.result), {}, {}};
  if (query.result != ERROR_SUCCESS) return value;
  if (query.type == REG_SZ || query.type == REG_EXPAND_SZ) {
    const std::wstring data = ReadData(key.Get(), valueName, query.size);
    value.text = Narrow(std::wstring_view(data).substr(0, data.find(L'\0')));
  }
  if (query.type == REG_DWORD && query.size == sizeof(DWORD)) value.number = query.number;
  return value;
}

// Every string as it stands: a last one without its NUL too, and the list's
// own empty terminator left out.
StoredList Registry::ReadList(std::string_view keyPath, std::string_view name) {
  HKEY opened = nullptr;
  const LONG open =
      RegOpenKeyExW(HKEY_CURRENT_USER, Widen(keyPath).c_str(), 0, KEY_QUERY_VALUE, &opened);
  if (open != ERROR_SUCCESS) return {StateOf(open), {}};
  const UniqueKey key(opened);
  const std::wstring valueName = Widen(name);
  const Query query = QueryValue(key.Get(), valueName);
  StoredList list{StateOf(query.result), {}};
  if (query.result != ERROR_SUCCESS || query.type != REG_MULTI_SZ) return list;
  std::wstring data = ReadData(key.Get(), valueName, query.size);
  while (!data.empty() && data.back() == L'\0') data.pop_back();
  for (std::size_t start = 0; start <= data.size() && !data.empty();) {
    const std::size_t end = std::min(data.find(L'\0', start), data.size());
    list.items.push_back(Narrow(std::wstring_view(data).substr(start, end - start)));
    start = end + 1;
  }
  return list;
}

bool Registry::WriteString(std::string_view keyPath, std::string_view name, std::string_view text) {
  return Write(keyPath, name, REG_SZ, Widen(text));
}

// Each string with its NUL, then the empty one that ends the list.
bool Registry::WriteList(std::string_view keyPath, std::string_view name,
                         const std::vector<std::string>& items) {
  std::wstring data;
  for (const std::string& item : items) {
    data += Widen(item);
    data += L'\0';
  }
  return Write(keyPath, name, REG_MULTI_SZ, data);
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
