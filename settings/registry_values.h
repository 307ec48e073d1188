#pragma once
// How the module reads single registry values, wherever they live (its settings key, the
// system's telephony locations, the installed modems, the suite's installation folder).
// Registry data is not trusted: a value of the wrong type, of the wrong size, without its
// terminator inside the reader's buffer, or longer than that buffer counts as missing.
#include <windows.h>

#include <string>

// Judges a text value that the registry put into a buffer of bufferSize bytes (the buffer
// holding one spare byte): the text when it is a string and ends inside the buffer.
bool TextFromRegistryBuffer(DWORD type, const char* buffer, DWORD size, size_t bufferSize, std::string* text);

// A text read through a buffer of bufferSize bytes, terminator included.
bool ReadRegistryText(HKEY key, const char* valueName, size_t bufferSize, std::string* text);
// A 32-bit number: REG_DWORD of 4 bytes.
bool ReadRegistryNumber(HKEY key, const char* valueName, DWORD* value);
