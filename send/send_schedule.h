#pragma once
// Turns a schedule choice into the start time of a send job. The Send Fax dialog uses it for
// new jobs and the send log when it reschedules, holds or releases one.
#include <windows.h>

#include "SendFax.h"

// Fills nYear..nSecond and szUserDefined of the record by the choice: SCHEDULE_SEND_NOW,
// SCHEDULE_OFF_PEAK, SCHEDULE_SEND_LATER (the date and time texts apply), SCHEDULE_HOLD,
// or 0 for the choice the settings make.
void FillSendSchedule(SEND_FAX* record, int choice, const char* dateText, const char* timeText);

// The local time the send path works with; tests fix it. Null restores the system clock.
using SendClock = SYSTEMTIME (*)();
void SetSendClock(SendClock clock);
SYSTEMTIME SendNow();
