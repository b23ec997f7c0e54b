// The registry port against the real registry, in a scratch key of the user's
// hive that each test removes again.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/win32/handles_win.h"
#include "platform/win32/registry_win.h"

namespace bw::win32 {
namespace {

// HKEY_CURRENT_USER as the program names it: the 32-bit value.
constexpr Handle kCurrentUser = 0x80000001;
constexpr std::uint32_t kAllAccess = 0x3F;  // KEY_ALL_ACCESS without the standard rights

class RegistryPortTest : public testing::Test {
 protected:
  void SetUp() override {
    path_ = "Software\\BlinkwardWin32Test\\" + std::to_string(GetCurrentProcessId());
  }
  void TearDown() override {
    RegDeleteKeyA(HKEY_CURRENT_USER, path_.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\BlinkwardWin32Test");
  }
  RegistryWin registry_;
  std::string path_;
};

TEST_F(RegistryPortTest, ValuesWrittenThroughThePortAreInTheUsersHive) {
  Handle key = 0;
  ASSERT_EQ(registry_.CreateKey(kCurrentUser, path_, kAllAccess, &key), ERROR_SUCCESS);
  EXPECT_EQ(
      registry_.SetValue(key, "Blinkward", REG_SZ, std::string_view("\"C:\\a b\\x.exe\"", 15)),
      ERROR_SUCCESS);
  EXPECT_EQ(registry_.CloseKey(key), ERROR_SUCCESS);

  // Read back natively, through Windows' own HKEY_CURRENT_USER.
  HKEY native = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_QUERY_VALUE, &native),
            ERROR_SUCCESS);
  char data[64] = "";
  DWORD size = sizeof data, type = 0;
  EXPECT_EQ(
      RegQueryValueExA(native, "Blinkward", nullptr, &type, reinterpret_cast<BYTE*>(data), &size),
      ERROR_SUCCESS);
  RegCloseKey(native);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_STREQ(data, "\"C:\\a b\\x.exe\"");
}

TEST_F(RegistryPortTest, QueriesReportFoundMissingAndTooLong) {
  Handle key = 0;
  ASSERT_EQ(registry_.CreateKey(kCurrentUser, path_, kAllAccess, &key), ERROR_SUCCESS);
  ASSERT_EQ(registry_.SetValue(key, "", REG_SZ, std::string_view("1", 2)), ERROR_SUCCESS);
  ASSERT_EQ(registry_.CloseKey(key), ERROR_SUCCESS);
  ASSERT_EQ(registry_.OpenKey(kCurrentUser, path_, KEY_QUERY_VALUE, &key), ERROR_SUCCESS);

  struct Case {
    const char* name;
    std::uint32_t bufferSize;
    long result;
    std::uint32_t size;  // size reported back
  };
  const Case cases[] = {
      {"", 8, ERROR_SUCCESS, 2},  // the default value, "1" and its NUL
      {"absent", 8, ERROR_FILE_NOT_FOUND, 8},
      {"", 1, ERROR_MORE_DATA, 2},  // the size it would need
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("'") + c.name + "' into " + std::to_string(c.bufferSize));
    std::uint8_t buffer[8] = {};
    std::uint32_t type = 0, size = c.bufferSize;
    EXPECT_EQ(registry_.QueryValue(key, c.name, &type, buffer, &size), c.result);
    if (c.result == ERROR_FILE_NOT_FOUND) continue;
    EXPECT_EQ(type, static_cast<std::uint32_t>(REG_SZ));
    EXPECT_EQ(size, c.size);
    if (c.result == ERROR_SUCCESS) {
      EXPECT_STREQ(reinterpret_cast<char*>(buffer), "1");
    }
  }
  // With no buffer the query only tells the size.
  std::uint32_t size = 0;
  EXPECT_EQ(registry_.QueryValue(key, "", nullptr, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 2u);
  EXPECT_EQ(registry_.CloseKey(key), ERROR_SUCCESS);
}

TEST_F(RegistryPortTest, DeletedValuesAreGoneAndMissingKeysDoNotOpen) {
  Handle key = 0;
  ASSERT_EQ(registry_.CreateKey(kCurrentUser, path_, kAllAccess, &key), ERROR_SUCCESS);
  ASSERT_EQ(registry_.SetValue(key, "Blinkward", REG_DWORD, std::string_view("\1\0\0\0", 4)),
            ERROR_SUCCESS);
  EXPECT_EQ(registry_.DeleteValue(key, "Blinkward"), ERROR_SUCCESS);
  EXPECT_EQ(registry_.DeleteValue(key, "Blinkward"), ERROR_FILE_NOT_FOUND);
  std::uint32_t size = 0;
  EXPECT_EQ(registry_.QueryValue(key, "Blinkward", nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(registry_.CloseKey(key), ERROR_SUCCESS);

  Handle missing = 0;
  EXPECT_EQ(registry_.OpenKey(kCurrentUser, path_ + "\\absent", KEY_QUERY_VALUE, &missing),
            ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryPortTest, TheUsersHiveOpensFromEitherFormOfItsHandle) {
  // Wine accepts the predefined keys zero-extended too; 64-bit Windows does not.
  EXPECT_EQ(ToKey(kCurrentUser), HKEY_CURRENT_USER);
  // The 32-bit value and its sign-extended 64-bit form name the same key.
  for (Handle root : {kCurrentUser, Handle{0xFFFFFFFF80000001}}) {
    Handle key = 0;
    EXPECT_EQ(registry_.OpenKey(root, "Control Panel\\Desktop", KEY_QUERY_VALUE, &key),
              ERROR_SUCCESS)
        << std::hex << root;
    EXPECT_EQ(registry_.CloseKey(key), ERROR_SUCCESS);
  }
}

}  // namespace
}  // namespace bw::win32
