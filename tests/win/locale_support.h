#pragma once
// Tests that change the user's regional settings (the Wine registry's copy of them) through
// SetLocaleInfoA, and the module's date and time mode. Everything is put back afterwards.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace testsupport {

class LocaleTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Sets a locale item, failing the test when the system refuses it.
    void SetLocaleItem(LCTYPE item, const char* value);
    std::string LocaleItem(LCTYPE item) const;
    // The user's time format, then DetectTimeMode, as a dialog does when it opens.
    void UseTimeFormat(const char* format);
    // The user's short date format (its order and separator follow), then DetectDateOrder.
    void UseShortDate(const char* format);

private:
    struct SavedItem {
        LCTYPE item;
        std::string value;
    };
    std::vector<SavedItem> m_saved;
    int m_dateOrder = 0;
    BOOL m_time24 = 0;
    BOOL m_fixedTimePicture = 0;
};

SYSTEMTIME MakeTime(WORD year, WORD month, WORD day, WORD hour = 0, WORD minute = 0, WORD second = 0);

}  // namespace testsupport
