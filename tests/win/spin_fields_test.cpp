// Spinning the field under the caret of a real edit in a real dialog: the text is stepped and
// rewritten, the field is selected, its selection handed back, and the other edit's cleared.
#include <string>
#include <utility>

#include "locale_support.h"
#include "send/locale_date_time.h"
#include "test_resource.h"

using namespace testsupport;

namespace {
INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

constexpr WORD kUntouched = 777;
}  // namespace

class SpinFieldTest : public LocaleTest {
protected:
    void SetUp() override
    {
        LocaleTest::SetUp();
        m_dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TEST_TWO_EDITS), nullptr,
                                      &PlainDialogProc, 0);
        ASSERT_NE(nullptr, m_dialog);
    }
    void TearDown() override
    {
        if (m_dialog)
            DestroyWindow(m_dialog);
        LocaleTest::TearDown();
    }

    // Both edits get their text and selection, as the user left them.
    void Prepare(const char* text, int start, int end)
    {
        SetDlgItemTextA(m_dialog, IDC_TEST_EDIT, text);
        SendDlgItemMessageA(m_dialog, IDC_TEST_EDIT, EM_SETSEL, start, end);
        SetDlgItemTextA(m_dialog, IDC_TEST_OTHER_EDIT, "other");
        SendDlgItemMessageA(m_dialog, IDC_TEST_OTHER_EDIT, EM_SETSEL, 1, 3);
        m_selStart = m_selEnd = kUntouched;
    }
    std::string Text(int id) const
    {
        char text[128] = {};
        GetDlgItemTextA(m_dialog, id, text, sizeof text);
        return text;
    }
    std::pair<int, int> Selection(int id) const
    {
        DWORD start = 0, end = 0;
        SendDlgItemMessageA(m_dialog, id, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return {static_cast<int>(start), static_cast<int>(end)};
    }
    void SpinTime(int step) { SpinTimeField(m_dialog, IDC_TEST_EDIT, IDC_TEST_OTHER_EDIT, step, &m_selStart, &m_selEnd); }
    void SpinDate(int step) { SpinDateField(m_dialog, IDC_TEST_EDIT, IDC_TEST_OTHER_EDIT, step, &m_selStart, &m_selEnd); }

    // After a step: the edit shows the text with the field selected, the saved selection is
    // that field's, and the other edit has no selection left.
    void ExpectStepped(const char* text, int start, int end, const std::string& label)
    {
        EXPECT_EQ(text, Text(IDC_TEST_EDIT)) << label;
        EXPECT_EQ(std::make_pair(start, end), Selection(IDC_TEST_EDIT)) << label;
        EXPECT_EQ(start, m_selStart) << label;
        EXPECT_EQ(end, m_selEnd) << label;
        EXPECT_EQ(std::make_pair(0, 0), Selection(IDC_TEST_OTHER_EDIT)) << label;
        EXPECT_EQ("other", Text(IDC_TEST_OTHER_EDIT)) << label;
    }
    // Nothing at all changed.
    void ExpectUntouched(const char* text, int start, int end, const std::string& label)
    {
        EXPECT_EQ(text, Text(IDC_TEST_EDIT)) << label;
        EXPECT_EQ(std::make_pair(start, end), Selection(IDC_TEST_EDIT)) << label;
        EXPECT_EQ(kUntouched, m_selStart) << label;
        EXPECT_EQ(kUntouched, m_selEnd) << label;
        EXPECT_EQ(std::make_pair(1, 3), Selection(IDC_TEST_OTHER_EDIT)) << label;
    }

    HWND m_dialog = nullptr;
    WORD m_selStart = kUntouched;
    WORD m_selEnd = kUntouched;
};

TEST_F(SpinFieldTest, TimeFieldUnderTheCaretIsStepped)
{
    struct Case {
        const char* format;
        const char* text;
        int selStart, selEnd, step;
        const char* expected;
        int expStart, expEnd;
    };
    const Case cases[] = {
        {"h:mm:ss tt", "11:00:00 PM", 0, 2, 1, "12:00:00 PM", 0, 2},
        {"h:mm:ss tt", "11:00:00 AM", 0, 2, 1, "12:00:00 AM", 0, 2},
        {"h:mm:ss tt", "12:00:00 PM", 0, 2, 1, "1:00:00 PM", 0, 1},
        {"h:mm:ss tt", "9:00:00 PM", 0, 1, 1, "10:00:00 PM", 0, 2},  // the field grew
        {"h:mm:ss tt", "9:59:30 PM", 2, 4, 1, "9:00:30 PM", 2, 4},
        {"h:mm:ss tt", "9:59:30 PM", 5, 7, -31, "9:59:59 PM", 5, 7},
        {"h:mm:ss tt", "9:59:30 PM", 8, 10, 1, "9:59:30 AM", 8, 10},
        {"h:mm:ss tt", "9:59:30 PM", 8, 10, 2, "9:59:30 PM", 8, 10},  // even steps keep the half
        {"HH:mm:ss", "23:00:00", 0, 2, 1, "00:00:00", 0, 2},
        {"HH:mm:ss", "00:00:00", 6, 8, -1, "00:00:59", 6, 8},
        {"HH:mm:ss", "12:30:00", 4, 4, 5, "12:35:00", 3, 5},  // a caret without a selection
        {"HH:mm:ss", "12:30:00", 3, 3, 1, "13:30:00", 0, 2},  // right after the separator: the hour
        {"tt h:mm:ss", "PM 11:00:00", 3, 5, 1, "PM 12:00:00", 3, 5},
        {"tt h:mm:ss", "PM 11:00:00", 0, 2, 1, "AM 11:00:00", 0, 2},
        {"tt h:mm:ss", "AM 9:05:00", 5, 7, 1, "AM 9:06:00", 5, 7},
        {"hh:mm:ss", "22:00:00", 0, 2, 1, "23:00:00", 0, 2},  // shown with the fixed picture
        {"H.mm.ss", "9.30.00", 2, 4, -31, "9.59.00", 2, 4},
    };
    for (const Case& c : cases) {
        ASSERT_NO_FATAL_FAILURE(UseTimeFormat(c.format));
        Prepare(c.text, c.selStart, c.selEnd);
        SpinTime(c.step);
        ExpectStepped(c.expected, c.expStart, c.expEnd, std::string(c.format) + " " + c.text);
    }
}

TEST_F(SpinFieldTest, UnreadableOrUnshowableTimeLeavesEverything)
{
    struct Case {
        const char* format;
        const char* text;
        int selStart, selEnd;
    };
    const Case cases[] = {
        {"h:mm:ss tt", "11:00:00", 0, 2},  // no designator
        {"HH:mm:ss", "garbage", 0, 2},
        {"HH:mm:ss", "", 0, 0},
        {"HH:mm:ss", "23:75:00", 0, 2},  // the hour would step, but the minute is no minute
    };
    for (const Case& c : cases) {
        ASSERT_NO_FATAL_FAILURE(UseTimeFormat(c.format));
        Prepare(c.text, c.selStart, c.selEnd);
        SpinTime(1);
        ExpectUntouched(c.text, c.selStart, c.selEnd, std::string(c.format) + " " + c.text);
    }
    // An edit that is not there, and no place for the selection: nothing happens.
    SpinTimeField(m_dialog, 12345, IDC_TEST_OTHER_EDIT, 1, nullptr, nullptr);
    ASSERT_NO_FATAL_FAILURE(UseTimeFormat("HH:mm:ss"));
    Prepare("10:00:00", 0, 2);
    SpinTimeField(m_dialog, IDC_TEST_EDIT, 12345, 1, nullptr, nullptr);
    EXPECT_EQ("11:00:00", Text(IDC_TEST_EDIT));
}

TEST_F(SpinFieldTest, DateFieldUnderTheCaretIsStepped)
{
    struct Case {
        const char* shortDate;
        const char* text;
        int selStart, selEnd, step;
        const char* expected;
        int expStart, expEnd;
    };
    const Case cases[] = {
        {"dd/MM/yyyy", "31/12/2024", 0, 2, 1, "01/12/2024", 0, 2},  // the month stays
        {"dd/MM/yyyy", "15/12/2024", 3, 5, 1, "15/01/2024", 3, 5},  // the year stays
        {"dd/MM/yyyy", "15/12/2024", 6, 10, -1, "15/12/2023", 6, 10},
        {"dd/MM/yyyy", "01/03/2024", 1, 1, -1, "31/03/2024", 0, 2},
        {"dd/MM/yyyy", "31/01/2024", 3, 5, 1, "29/02/2024", 3, 5},  // the day keeps to the month
        {"MM-dd-yyyy", "12-31-2024", 3, 5, 1, "12-01-2024", 3, 5},
        {"MM-dd-yyyy", "12-31-2024", 0, 2, 1, "01-31-2024", 0, 2},
        {"yyyy.MM.dd", "2024.12.15", 5, 7, 1, "2024.01.15", 5, 7},
        {"yyyy.MM.dd", "2024.12.15", 0, 4, 1, "2025.12.15", 0, 4},
        {"yyyy.MM.dd", "2024.02.29", 8, 10, 1, "2024.02.01", 8, 10},
        {"dd.MM.yyyy", "7.3.002025", 0, 1, 1, "08.03.2025", 0, 2},  // rewritten in full
    };
    for (const Case& c : cases) {
        ASSERT_NO_FATAL_FAILURE(UseShortDate(c.shortDate));
        Prepare(c.text, c.selStart, c.selEnd);
        SpinDate(c.step);
        ExpectStepped(c.expected, c.expStart, c.expEnd, std::string(c.shortDate) + " " + c.text);
    }
}

TEST_F(SpinFieldTest, UnreadableOrUnshowableDateLeavesEverything)
{
    struct Case {
        const char* shortDate;
        const char* text;
        int selStart, selEnd;
    };
    const Case cases[] = {
        {"dd/MM/yyyy", "1/02/2025", 0, 1},    // shorter than 10 characters
        {"dd/MM/yyyy", "01.02.2025", 0, 2},   // another separator
        {"dd/MM/yyyy", "31/12/9999", 6, 10},  // no year after 9999
        {"dd/MM/yyyy", "15/13/2024", 0, 2},   // no thirteenth month
        {"dd/MM/yyyy", "15/12/1000", 0, 2},   // before the first year the system shows
    };
    for (const Case& c : cases) {
        ASSERT_NO_FATAL_FAILURE(UseShortDate(c.shortDate));
        Prepare(c.text, c.selStart, c.selEnd);
        SpinDate(1);
        ExpectUntouched(c.text, c.selStart, c.selEnd, std::string(c.shortDate) + " " + c.text);
    }
    SpinDateField(m_dialog, 12345, IDC_TEST_OTHER_EDIT, 1, nullptr, nullptr);
}
