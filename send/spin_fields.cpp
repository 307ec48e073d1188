// Spin buttons beside a date or a time edit step the field under the caret.
#include "send/locale_date_time.h"

#include <cstring>

#include "send/locale_picture.h"

namespace {
constexpr int kEditTextSize = 80;

std::string EditText(HWND edit)
{
    char text[kEditTextSize] = {};
    GetWindowTextA(edit, text, sizeof text);
    return text;
}

int SelectionEnd(HWND edit)
{
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end);
}

// The edit shows the new text with the field selected; the other edit's selection goes, so
// that the dialog knows which edit to give its saved selection back to when the spin ends.
void ShowStepped(HWND dialog, HWND edit, int otherEditId, const char* text, FieldSpan span, WORD* selStart,
                 WORD* selEnd)
{
    SetWindowTextA(edit, text);
    if (selStart)
        *selStart = static_cast<WORD>(span.start);
    if (selEnd)
        *selEnd = static_cast<WORD>(span.end);
    if (HWND other = GetDlgItem(dialog, otherEditId))
        SendMessageA(other, EM_SETSEL, 0, 0);
    SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(span.start), static_cast<LPARAM>(span.end));
}
}  // namespace

void SpinDateField(HWND dialog, int editId, int otherEditId, int step, WORD* selStart, WORD* selEnd)
{
    HWND edit = GetDlgItem(dialog, editId);
    if (!edit)
        return;
    DateFields date;
    if (!ParseDateFields(EditText(edit).c_str(), LocaleSeparator(LOCALE_SDATE), g_nDateOrder, &date))
        return;
    const DateField field = DateFieldAt(g_nDateOrder, SelectionEnd(edit));
    date = StepDateField(date, field, step);
    if (!IsValidDate(date.year, date.month, date.day))
        return;

    SYSTEMTIME shown = {};
    GetLocalTime(&shown);
    shown.wYear = static_cast<WORD>(date.year);
    shown.wMonth = static_cast<WORD>(date.month);
    shown.wDayOfWeek = 0;
    shown.wDay = static_cast<WORD>(date.day);
    char text[kEditTextSize] = {};
    if (FormatLocalDate(&shown, DatePictureForOrder(g_nDateOrder), text, sizeof text) <= 0)
        return;
    FieldSpan span = DateFieldSpan(g_nDateOrder, field, static_cast<int>(std::strlen(text)));
    ShowStepped(dialog, edit, otherEditId, text, span, selStart, selEnd);
}

void SpinTimeField(HWND dialog, int editId, int otherEditId, int step, WORD* selStart, WORD* selEnd)
{
    HWND edit = GetDlgItem(dialog, editId);
    if (!edit)
        return;
    const TimeLocale locale = UserTimeLocale();
    const std::string before = EditText(edit);
    TimeFields time;
    if (!ParseTimeFields(before.c_str(), locale, &time))
        return;
    const TimeField field = FindTimeField(before, SelectionEnd(edit), locale).field;
    time = StepTimeField(time, field, step, locale.time24);
    if (!IsValidTime(time.hour, time.minute, time.second))
        return;

    SYSTEMTIME shown = {};
    GetLocalTime(&shown);
    shown.wHour = static_cast<WORD>(time.hour);
    shown.wMinute = static_cast<WORD>(time.minute);
    shown.wSecond = static_cast<WORD>(time.second);
    shown.wMilliseconds = 0;
    char text[kEditTextSize] = {};
    if (FormatLocalTime(&shown, text, sizeof text) <= 0)
        return;
    // The field is selected where it stands in the new text: its width may have changed.
    ShowStepped(dialog, edit, otherEditId, text, TimeFieldSpan(text, field, locale), selStart, selEnd);
}
