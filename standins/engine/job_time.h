#pragma once
// The local start time of a job (or the time a fax was received), field by field as the
// send-job record holds it.
#include <cstdint>
#include <string>

struct JobTime {
    int16_t year = 0;
    int16_t month = 0;
    int16_t day = 0;
    int16_t hour = 0;
    int16_t minute = 0;
    int16_t second = 0;
};

// Every field within its range (a day up to 31 in any month). A day past the end of its
// month counts on into the next: a job held on 29 February moves to 29 February of a year
// that may have none, and still has to start some day.
bool IsValidJobTime(const JobTime& time);
// Seconds since 1 January 1601 for comparing valid times.
int64_t JobTimeSeconds(const JobTime& time);
// "2024-05-10 14:30:00", and back; false for text that is not six numbers in that shape.
std::string FormatJobTime(const JobTime& time);
bool ParseJobTime(const std::string& text, JobTime& time);
