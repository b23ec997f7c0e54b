#include "notes/logon_note.h"

namespace bw {

std::string LogonNote::KeyOf(std::string_view notes, std::string_view logon) {
  std::string key(notes);
  key += '\\';
  key += logon;
  return key;
}

std::string LogonNote::Create() {
  const std::string logon = session_.Logon().own;
  if (logon.empty()) return {};
  std::string key = KeyOf(notes_, logon);
  return registry_.CreateLogonKey(key) ? key : std::string();
}

void LogonNote::Erase() {
  const LogonNames names = session_.Logon();
  for (const std::string* logon : {&names.own, &names.linked}) {
    if (!logon->empty()) registry_.DeleteKey(KeyOf(notes_, *logon));
  }
}

}  // namespace bw
