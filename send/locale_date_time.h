#pragma once
// Dates and times in the user's regional format (the user's default locale): shown through
// the system's date and time formatting, read back from what the user typed, checked, and
// stepped field by field from spin buttons. The reading and stepping rules themselves live
// in date_text.h and time_text.h; this is where they meet the locale and the edits.
#include <windows.h>

#include <string>

#include "send/date_text.h"
#include "send/time_text.h"

constexpr LCID kUserLocale = LOCALE_USER_DEFAULT;

// 0 month-day-year, 1 day-month-year, 2 year-month-day (DetectDateOrder).
extern int g_nDateOrder;
// 1: times are 24-hour texts; 0: 12-hour texts with a designator (DetectTimeMode).
extern BOOL g_bTime24;
// 1: times are shown with the fixed picture "HH':'mm':'ss" (DetectTimeMode).
extern BOOL g_bFixedTimePicture;
// The selections last made by the spins of the Schedule dialog, one pair per edit kind,
// put back when a spin ends.
extern WORD g_wTimeSelStart;
extern WORD g_wTimeSelEnd;
extern WORD g_wDateSelStart;
extern WORD g_wDateSelEnd;

// Sets g_bTime24 and g_bFixedTimePicture from how the user's time format shows 22:00:00.
void DetectTimeMode();
// Sets g_nDateOrder from the user's short date order.
void DetectDateOrder();

// The picture FormatLocalTime formats with: the user's time format (or the fixed picture in
// that mode) with the user's time separator; empty for the system's default.
std::string TimeFormatPicture();
// The time part of `time` in the user's format (or the fixed picture), with the user's time
// separator. Returns the length result of the system formatting (0 on failure, buffer empty).
int FormatLocalTime(const SYSTEMTIME* time, char* buffer, int size);
// The date part of `date` with the picture (null: the user's short date format), with the
// user's date separator, always in the Gregorian calendar.
int FormatLocalDate(const SYSTEMTIME* date, const char* picture, char* buffer, int size);

// The locale's separator item (LOCALE_SDATE, LOCALE_STIME); ":" when it cannot be read.
std::string LocaleSeparator(LCTYPE item);
// 1 when the separator of the item stands in the text at the position; *length gets the
// separator's length.
BOOL MatchLocaleSeparator(LPCSTR text, int position, int* length, LCTYPE item);

// The time rules of the user's locale and the current time mode.
TimeLocale UserTimeLocale();

// A date text in g_nDateOrder with the locale's separator; 1 on success.
BOOL ParseDateText(LPCSTR text, int* year, int* month, int* day);
// 1 when the text is a valid date. The text is rewritten in the form of g_nDateOrder: the
// date typed when valid, else the date of `current`. When valid, the date fields of *date
// (if given) take the date typed.
BOOL CheckDateText(std::string& text, const SYSTEMTIME* current, SYSTEMTIME* date);

// A time text in the current time mode; the hour comes back in 24-hour form. 1 on success.
BOOL ParseTimeText(LPCSTR text, int* hour, int* minute, int* second, int* am);
// 1 when the text is a valid time. The text is rewritten in the locale's form: the time
// typed when valid, else the time of `current` (a caller's default time, for instance).
// When valid, the time fields of *time (if given) take the time typed.
BOOL CheckTimeText(std::string& text, const SYSTEMTIME* current, SYSTEMTIME* time);

// Step the field under the caret of the edit editId in the dialog by `step`, rewrite the
// edit, select the field and hand back its selection; the edit otherEditId loses its
// selection. A text that cannot be read, or a step that leads to no showable date or time,
// leaves everything as it is.
void SpinDateField(HWND dialog, int editId, int otherEditId, int step, WORD* selStart, WORD* selEnd);
void SpinTimeField(HWND dialog, int editId, int otherEditId, int step, WORD* selStart, WORD* selEnd);
