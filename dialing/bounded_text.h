#pragma once
// Copies into fixed-size text fields that never write past the field.
#include <cstddef>
#include <cstring>

// Copies as much of the text as fits and terminates it; a null text gives an empty field.
inline void CopyTextCut(char* field, size_t fieldSize, const char* text)
{
    if (fieldSize == 0)
        return;
    size_t length = text ? strnlen(text, fieldSize - 1) : 0;
    memcpy(field, text ? text : "", length);
    field[length] = '\0';
}

// Copies the text only when it fits with its terminator; otherwise the field keeps what it
// held. True when copied.
inline bool CopyTextIfFits(char* field, size_t fieldSize, const char* text)
{
    size_t length = strnlen(text, fieldSize);
    if (length >= fieldSize)
        return false;
    memcpy(field, text, length + 1);
    return true;
}
