#pragma once
// The rules of the Fax Send List that need no window: when the typing row is put back at
// the top, when Send may be pressed, how a recipient's name becomes a phonebook entry's
// first and last name, and which file of a logged job is made into the engine's form when it
// is sent again.
#include <cstddef>
#include <string>
#include <vector>

// What the typing-row rule does with the list.
enum class TypingRowAction {
    kNone,         // the top row is the typing row, or a half-typed row that stays
    kInsertAtTop,  // the list is empty, or its top row is a recipient
    kReplaceTop,   // the top row is a half-typed recipient without a fax number: replace it
};

// The list's row count; whether its top row has a fax number and shows the placeholder name.
TypingRowAction DecideTypingRow(int rowCount, bool topHasFax, bool topIsPlaceholder, bool allowRemoval);

// Send is possible with rows, when a single row has a fax number, or when every row after the
// top one has (the top one being the typing row). One flag per row: has a fax number.
bool CanSend(const std::vector<bool>& rowHasFax);

// The name split at its first blank into a first name and the rest, each cut to maxChars.
void SplitRecipientName(const std::string& name, size_t maxChars, std::string* first, std::string* last);

// Appends an item to a list shown as "a, b, c".
void AppendListed(std::string& list, const std::string& item);

// The file of a logged job that is made into the engine's form when the job is resent or
// forwarded: the job's file with its last three characters made "tif". Empty when the file
// already is in the engine's form ("fmf" or "FMF") or is too short to have an extension.
std::string SourceTifToConvert(const std::string& fileList);

// The Send Fax dialog's schedule texts: "%02d/%02d/%04d" and "%02d:%02d:%02d".
std::string ScheduleDateText(int first, int second, int year);
std::string ScheduleTimeText(int hour, int minute, int second);
