// The settings store against the real (Wine) registry.
#include <string>

#include "settings/setting_names.h"
#include "settings/setting_readers.h"
#include "settings/settings_store.h"
#include "test_support.h"

using namespace testsupport;

class SettingsStoreTest : public SettingsTest {};

TEST_F(SettingsStoreTest, InitCreatesTheKeyUnderTheCurrentUser)
{
    DeleteRegistryTree(HKEY_CURRENT_USER, kSuiteKey);
    EXPECT_EQ(1, InitQORegistryKey());
    EXPECT_STREQ("Software\\Velmoor\\QOI\\Fax\\RW", g_szQOFaxKey);
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, g_szQOFaxKey, 0, KEY_READ, &key));
    RegCloseKey(key);
}

TEST_F(SettingsStoreTest, WrittenValuesReadBackWithTheirTypeAndSize)
{
    DWORD number = 1234;
    ASSERT_EQ(1, SetQORegistryValue("Dial Retries", REG_DWORD, reinterpret_cast<BYTE*>(&number), 4));
    const char text[] = "Alice";
    ASSERT_EQ(1, SetQORegistryValue("Sender Name", REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text));

    DWORD type = 0, size = 4, readNumber = 0;
    ASSERT_EQ(1, GetQORegistryValue("Dial Retries", &type, reinterpret_cast<BYTE*>(&readNumber), &size));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), type);
    EXPECT_EQ(4u, size);
    EXPECT_EQ(1234u, readNumber);

    char buffer[31] = {};
    size = sizeof buffer;
    ASSERT_EQ(1, GetQORegistryValue("Sender Name", &type, reinterpret_cast<BYTE*>(buffer), &size));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_EQ(6u, size);
    EXPECT_STREQ("Alice", buffer);

    EXPECT_EQ(1234u, ReadSettingNumber(kDialRetries, 2));
    EXPECT_EQ("Alice", ReadSettingText(kSenderName, 31, ""));
}

TEST_F(SettingsStoreTest, MissingValueFailsWithTheQueryTraceLine)
{
    TraceCapture trace;
    DWORD type = 0, size = 4, value = 0;
    EXPECT_EQ(0, GetQORegistryValue("Dial Retries", &type, reinterpret_cast<BYTE*>(&value), &size));
    ASSERT_EQ(1u, trace.Lines().size());
    EXPECT_EQ("GetQORegistryValue - RegQueryValueEx (Software\\Velmoor\\QOI\\Fax\\RW / Dial Retries) failed. (00000002)\n",
              trace.Lines()[0]);
    EXPECT_EQ(90u, ReadSettingNumber(kRetryDelay, 90));
    EXPECT_EQ("fallback", ReadSettingText(kSenderFax, 31, "fallback"));
}

TEST_F(SettingsStoreTest, MissingKeyFailsWithTheOpenTraceLines)
{
    DeleteRegistryTree(HKEY_CURRENT_USER, kSuiteKey);
    TraceCapture trace;
    DWORD type = 0, size = 4, value = 0;
    EXPECT_EQ(0, GetQORegistryValue("Dial Retries", &type, reinterpret_cast<BYTE*>(&value), &size));
    EXPECT_TRUE(trace.Contains("GetQORegistryValue - RegOpenKeyEx failed.\n"));
    EXPECT_EQ(0, SetQORegistryValue("Dial Retries", REG_DWORD, reinterpret_cast<BYTE*>(&value), 4));
    EXPECT_TRUE(trace.Contains("SetQORegistryValue - RegOpenKeyEx failed.\n"));
    EXPECT_EQ(2u, trace.Lines().size());
}

TEST_F(SettingsStoreTest, FailedWriteLeavesThePreviousValueAndTraces)
{
    ASSERT_TRUE(WriteSettingText(kSenderName, "Kept"));
    TraceCapture trace;
    // A value name longer than the registry allows makes the write itself fail.
    std::string hugeName(20000, 'x');
    DWORD value = 1;
    EXPECT_EQ(0, SetQORegistryValue(hugeName.c_str(), REG_DWORD, reinterpret_cast<BYTE*>(&value), 4));
    EXPECT_TRUE(trace.Contains("SetQORegistryValue - RegSetValueEx failed.\n"));
    EXPECT_EQ("Kept", ReadSettingText(kSenderName, 31, ""));
}

TEST_F(SettingsStoreTest, TextLongerThanTheBufferGivesTheDefault)
{
    // 20 characters fit a 21-byte buffer; 21 do not.
    ASSERT_TRUE(WriteSettingText(kHeaderLeft, std::string(20, 'L')));
    EXPECT_EQ(std::string(20, 'L'), ReadSettingText(kHeaderLeft, 21, "default"));
    ASSERT_TRUE(WriteSettingText(kHeaderLeft, std::string(21, 'L')));
    EXPECT_EQ("default", ReadSettingText(kHeaderLeft, 21, "default"));
    std::string text;
    EXPECT_FALSE(TryReadSettingText(kHeaderLeft, 21, &text));
    // A huge text never overruns: still the default.
    ASSERT_TRUE(WriteSettingText(kHeaderLeft, std::string(100000, 'x')));
    EXPECT_EQ("default", ReadSettingText(kHeaderLeft, 21, "default"));
}

TEST_F(SettingsStoreTest, WrongTypesAndSizesCountAsMissing)
{
    WriteRegistryString(HKEY_CURRENT_USER, kSettingsKey, kDialRetries, "5");
    EXPECT_EQ(2u, ReadSettingNumber(kDialRetries, 2));

    WriteRegistryDword(HKEY_CURRENT_USER, kSettingsKey, kSenderName, 7);
    EXPECT_EQ("none", ReadSettingText(kSenderName, 31, "none"));

    const BYTE twoBytes[2] = {1, 0};
    WriteRegistryBinary(HKEY_CURRENT_USER, kSettingsKey, kRetryDelay, twoBytes, sizeof twoBytes);
    EXPECT_EQ(90u, ReadSettingNumber(kRetryDelay, 90));

    const BYTE eightBytes[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    WriteRegistryBinary(HKEY_CURRENT_USER, kSettingsKey, kRetryDelay, eightBytes, sizeof eightBytes);
    EXPECT_EQ(90u, ReadSettingNumber(kRetryDelay, 90));
}

TEST_F(SettingsStoreTest, UnterminatedTextIsReadSafely)
{
    // A string value stored without its terminator.
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_WRITE, &key));
    const char raw[4] = {'A', 'B', 'C', 'D'};
    RegSetValueExA(key, kSenderFax, 0, REG_SZ, reinterpret_cast<const BYTE*>(raw), sizeof raw);
    RegCloseKey(key);
    EXPECT_EQ("ABCD", ReadSettingText(kSenderFax, 31, "x"));
    // Exactly as long as a 4-byte buffer: no room for the terminator, so it is refused.
    EXPECT_EQ("x", ReadSettingText(kSenderFax, 4, "x"));
}
