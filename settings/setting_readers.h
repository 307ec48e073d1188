#pragma once
// The one way every reader of the settings store reads a number or a text with a default:
// set the size, read, check, fall back. A value that is missing, of the wrong type, of the
// wrong size or longer than the caller's buffer counts as missing.
#include <windows.h>
#include <string>

// A 32-bit number (REG_DWORD of 4 bytes). False when it cannot be read.
bool TryReadSettingNumber(const char* valueName, DWORD* value);
// The number, or the fallback when it cannot be read.
DWORD ReadSettingNumber(const char* valueName, DWORD fallback);

// A text read through a buffer of bufferSize bytes, terminator included: a stored text of
// bufferSize characters or more cannot be read. False when it cannot be read.
bool TryReadSettingText(const char* valueName, size_t bufferSize, std::string* text);
// The text, or the fallback when it cannot be read.
std::string ReadSettingText(const char* valueName, size_t bufferSize, const std::string& fallback);

// Writers: a 32-bit number, or a text with its terminator.
bool WriteSettingNumber(const char* valueName, DWORD value);
bool WriteSettingText(const char* valueName, const std::string& text);
