// The settings store against the real (Wine) registry.
#include <string>

#include "settings/setting_names.h"
#include "settings/setting_readers.h"
#include "settings/settings_store.h"
#include "test_support.h"

using namespace testsupport;

class SettingsStoreTest : public SettingsTest {};

TEST_F(SettingsStoreTest, ValuesWrittenUnderTheUsersKeyReadBackWithTheirTypeAndSize)
{
    DeleteRegistryTree(HKEY_CURRENT_USER, kSuiteKey);
    g_szQOFaxKey[0] = '\0';
    EXPECT_EQ(1, InitQORegistryKey());
    EXPECT_STREQ("Software\\Velmoor\\QOI\\Fax\\RW", g_szQOFaxKey);
    DWORD number = 1234;
    ASSERT_EQ(1, SetQORegistryValue("Dial Retries", REG_DWORD, reinterpret_cast<BYTE*>(&number), 4));
    // Read before the key was set up in this process: the key is found all the same.
    g_szQOFaxKey[0] = '\0';
    DWORD type = 0, size = 4, readNumber = 0;
    ASSERT_EQ(1, GetQORegistryValue("Dial Retries", &type, reinterpret_cast<BYTE*>(&readNumber), &size));
    EXPECT_EQ("4 4 1234", std::to_string(type) + " " + std::to_string(size) + " " + std::to_string(readNumber));
}

TEST_F(SettingsStoreTest, AMissingValueOrKeyFails)
{
    DWORD type = 0, size = 4, value = 1;
    EXPECT_EQ(0, GetQORegistryValue("Dial Retries", &type, reinterpret_cast<BYTE*>(&value), &size));
    DeleteRegistryTree(HKEY_CURRENT_USER, kSuiteKey);
    EXPECT_EQ(0, GetQORegistryValue("Dial Retries", &type, reinterpret_cast<BYTE*>(&value), &size));
    EXPECT_EQ(0, SetQORegistryValue("Dial Retries", REG_DWORD, reinterpret_cast<BYTE*>(&value), 4));
}

TEST_F(SettingsStoreTest, ValuesOfTheWrongTypeOrSizeGiveTheDefault)
{
    const BYTE twoBytes[2] = {1, 0};
    const char unterminated[4] = {'A', 'B', 'C', 'D'};
    const struct {
        DWORD type;
        std::string bytes;
        DWORD bufferSize;  // 0: read as a number
        const char* read;
    } cases[] = {
        {REG_SZ, "5", 0, "default"},
        {REG_BINARY, std::string(reinterpret_cast<const char*>(twoBytes), 2), 0, "default"},
        {REG_SZ, std::string(20, 'L') + '\0', 21, "LLLLLLLLLLLLLLLLLLLL"},  // 20 characters fit 21 bytes
        {REG_SZ, std::string(unterminated, 4), 31, "ABCD"},  // stored without its terminator
        {REG_SZ, std::string(unterminated, 4), 4, "default"},  // no room for the terminator
        {REG_SZ, std::string(100000, 'x') + '\0', 21, "default"},  // never overruns
    };
    for (const auto& c : cases) {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_WRITE, &key));
        RegSetValueExA(key, "Probe", 0, c.type, reinterpret_cast<const BYTE*>(c.bytes.data()),
                       static_cast<DWORD>(c.bytes.size()));
        RegCloseKey(key);
        const std::string read = c.bufferSize ? ReadSettingText("Probe", c.bufferSize, "default")
                                              : (ReadSettingNumber("Probe", 90) == 90 ? "default" : "number");
        EXPECT_EQ(c.read, read) << c.type << " " << c.bytes.size();
    }
}
