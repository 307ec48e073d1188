#pragma once
// The arithmetic of log ageing: an entry's local date and time as a file time (100
// nanoseconds since 1 January 1601), and whether an entry that old has outlived the days
// it may be kept.
#include <cstdint>

// One day in file-time units.
constexpr uint64_t kFileTimeUnitsPerDay = 864000000000ull;

// The file time of a local date and time to the second. False for a date or time that no
// calendar holds (month 13, 30 February, hour 24, a year outside 1601..30827).
bool LogEntryFileTime(int year, int month, int day, int hour, int minute, int second, uint64_t* fileTime);
// An entry is aged when its time plus the days to keep it is not after now; an entry is
// never aged by a span too long for a file time.
bool IsLogEntryAged(uint64_t entryTime, uint32_t daysToKeep, uint64_t now);
