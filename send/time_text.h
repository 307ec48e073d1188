#pragma once
// Time texts as the user types them: hour, minute and second joined by the locale's time
// separator, in 12-hour mode with the locale's AM or PM designator before or after them.
// Reading, checking, finding the field under the caret and stepping need no system call;
// the locale's separator, designators and mode come in as a TimeLocale.
#include <string>

#include "send/text_fields.h"

struct TimeLocale {
    std::string separator = ":";
    std::string amDesignator;   // read in 12-hour mode only
    std::string pmDesignator;
    bool time24 = true;         // false: 12-hour texts with a designator
    bool designatorFirst = false;  // the user's time format begins with the designator
};

struct TimeFields {
    int hour = 0;  // 0 to 23 once converted; larger when the text said so
    int minute = 0;
    int second = 0;
    bool am = false;  // the text carried the AM designator (always false in 24-hour mode)
};

// Reads hour, minute and second digits and, in 12-hour mode, the designator, and converts
// the hour to 24-hour form (12 AM is 0, 1 PM is 13). The hour may not be empty; a text that
// ends before its minute or second leaves them 0 (formats without seconds). Ranges are not
// checked here (see IsValidTime). With the designator last, 12-hour texts without one are
// refused.
bool ParseTimeFields(const char* text, const TimeLocale& locale, TimeFields* time);

// Hour 0 to 23, minute and second 0 to 59.
bool IsValidTime(int hour, int minute, int second);

// The fields of a time text.
enum class TimeField { Hour, Minute, Second, Designator };

struct TimeFieldHit {
    TimeField field = TimeField::Hour;
    FieldSpan span;
};

// The field under the caret (the character before the selection's end) and its extent.
// Fields are told apart by the separators and the space between the digits and the
// designator; a boundary that is missing extends the field before it to the end.
TimeFieldHit FindTimeField(const std::string& text, int selectionEnd, const TimeLocale& locale);
// Where a field stands in a time text; the end of the text when it has no such field.
FieldSpan TimeFieldSpan(const std::string& text, TimeField field, const TimeLocale& locale);

// The time with one field moved by step. Hours go round 0 to 23, or in 12-hour mode round
// 1 to 12 within their half of the day; minutes and seconds round 0 to 59; an odd step on
// the designator moves the time by twelve hours.
TimeFields StepTimeField(TimeFields time, TimeField field, int step, bool time24);

// How the user's time format shows 22:00:00, seen through the time separator.
struct TimeMode {
    bool time24 = false;        // hours are 0 to 23 without a designator
    bool fixedPicture = false;  // the format counts 12 hours without a designator: show
                                // times with the fixed 24-hour picture instead
};
// The sample with digits kept and each other character (a separator counted whole) read as
// ":". A ":" separator leaves the sample as it is.
std::string NormaliseTimeSample(const std::string& sample, const std::string& separator);
TimeMode ClassifyTimeSample(const std::string& sample, const std::string& separator);
