#pragma once
// Small pieces shared by the date and time texts: digit groups, separators and the span of
// a field inside a text.
#include <cstddef>
#include <string>

// Where a field of a text begins and ends (end excluded), as an edit selects it.
struct FieldSpan {
    int start = 0;
    int end = 0;
};

// The value of the digits text[begin, end). Empty gives 0; overlong groups stop growing at
// kDigitGroupLimit, far beyond every valid date or time, so they are refused, never wrapped.
constexpr int kDigitGroupLimit = 999999999;
int DigitGroupValue(const char* text, size_t begin, size_t end);

// True when the separator stands in the text at the position. An empty separator never
// matches. The text is NUL-terminated and the position lies within it.
bool SeparatorAt(const char* text, size_t position, const std::string& separator);

// value moved by step and brought back into [low, high], counting round the range.
int WrapIntoRange(long long value, long long step, int low, int high);

inline bool IsDigitChar(char c) { return c >= '0' && c <= '9'; }
