// Spinning the field under the caret of a real edit in a real dialog: the text is stepped and
// rewritten, the field is selected, its selection handed back, and the other edit's cleared.
// A text that cannot be read or shown leaves both edits and the saved selection as they were.
#include <string>

#include "locale_support.h"
#include "send/locale_date_time.h"
#include "test_resource.h"

using namespace testsupport;

namespace {
INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

struct Case {
    const char* format;  // the user's time or short date format
    const char* text;
    int selStart, selEnd, step;
    const char* expected;  // nullptr: nothing changes
    int expStart, expEnd;
};
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
        DestroyWindow(m_dialog);
        LocaleTest::TearDown();
    }

    // The edits' texts and selections and the saved selection, after a spin of the case.
    std::string Spin(const Case& c, bool date)
    {
        SetDlgItemTextA(m_dialog, IDC_TEST_EDIT, c.text);
        SendDlgItemMessageA(m_dialog, IDC_TEST_EDIT, EM_SETSEL, c.selStart, c.selEnd);
        SetDlgItemTextA(m_dialog, IDC_TEST_OTHER_EDIT, "other");
        SendDlgItemMessageA(m_dialog, IDC_TEST_OTHER_EDIT, EM_SETSEL, 1, 3);
        WORD selStart = 777, selEnd = 777;
        (date ? SpinDateField : SpinTimeField)(m_dialog, IDC_TEST_EDIT, IDC_TEST_OTHER_EDIT, c.step, &selStart, &selEnd);
        return State(IDC_TEST_EDIT) + " saved " + std::to_string(selStart) + "-" + std::to_string(selEnd) + ", " +
               State(IDC_TEST_OTHER_EDIT);
    }
    static std::string Expected(const Case& c)
    {
        if (!c.expected)
            return std::string(c.text) + " " + std::to_string(c.selStart) + "-" + std::to_string(c.selEnd) +
                   " saved 777-777, other 1-3";
        const std::string field = std::to_string(c.expStart) + "-" + std::to_string(c.expEnd);
        return std::string(c.expected) + " " + field + " saved " + field + ", other 0-0";
    }
    std::string State(int id) const
    {
        char text[128] = {};
        GetDlgItemTextA(m_dialog, id, text, sizeof text);
        DWORD start = 0, end = 0;
        SendDlgItemMessageA(m_dialog, id, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return std::string(text) + " " + std::to_string(start) + "-" + std::to_string(end);
    }

    HWND m_dialog = nullptr;
};

TEST_F(SpinFieldTest, TimeOrDateFieldUnderTheCaretIsStepped)
{
    // Times first; a format with "/" or "." is a short date.
    const Case cases[] = {
        {"h:mm:ss tt", "11:00:00 PM", 0, 2, 1, "12:00:00 PM", 0, 2},
        {"h:mm:ss tt", "12:00:00 PM", 0, 2, 1, "1:00:00 PM", 0, 1},   // the field shrank
        {"h:mm:ss tt", "9:59:30 PM", 8, 10, 1, "9:59:30 AM", 8, 10},
        {"HH:mm:ss", "12:30:00", 4, 4, 5, "12:35:00", 3, 5},  // a caret without a selection
        {"HH:mm:ss", "12:30:00", 3, 3, 1, "13:30:00", 0, 2},  // right after the separator: the hour
        {"hh:mm:ss", "22:00:00", 0, 2, 1, "23:00:00", 0, 2},  // shown with the fixed picture
        {"h:mm:ss tt", "11:00:00", 0, 2, 1, nullptr, 0, 0},  // no designator
        {"HH:mm:ss", "23:75:00", 0, 2, 1, nullptr, 0, 0},  // the hour would step, the minute is no minute
        {"dd/MM/yyyy", "01/03/2024", 1, 1, -1, "31/03/2024", 0, 2},
        {"yyyy.MM.dd", "2024.12.15", 0, 4, 1, "2025.12.15", 0, 4},
        {"yyyy.MM.dd", "2024.03.15", 5, 5, 1, "2024.04.15", 5, 7},  // the month of a year-first date, from its start
        {"dd.MM.yyyy", "7.3.002025", 0, 1, 1, "08.03.2025", 0, 2},  // rewritten in full
        {"dd/MM/yyyy", "31/12/9999", 6, 10, 1, nullptr, 0, 0},  // no year after 9999
        {"dd/MM/yyyy", "15/13/2024", 0, 2, 1, nullptr, 0, 0},   // no thirteenth month
    };
    for (const Case& c : cases) {
        const bool date = std::string(c.format).find_first_of("/.") != std::string::npos;
        ASSERT_NO_FATAL_FAILURE(date ? UseShortDate(c.format) : UseTimeFormat(c.format));
        EXPECT_EQ(Expected(c), Spin(c, date)) << c.format;
    }
}
