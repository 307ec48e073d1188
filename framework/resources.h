#pragma once
// Texts from the string table of the module whose state is current.
#include <windows.h>
#include <string>

// The string with this number, or an empty text when the table has none.
std::string LoadModuleString(UINT id);
// As above, but tells whether the string exists.
bool TryLoadModuleString(UINT id, std::string& text);
// Loads a format string by number and formats it like printf.
std::string FormatModuleString(UINT id, ...);
// printf into a string.
std::string FormatText(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
