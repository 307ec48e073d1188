#pragma once
// The registry-backed settings store: named values under one key of the current user.
// Callers choose the value type and buffer size, and each caller decides what a missing
// value means (see setting_readers.h for the shared way to do that).
#include <windows.h>

// Software\Velmoor\QOI\Fax\RW, built by InitQORegistryKey before the first read.
extern char g_szQOFaxKey[MAX_PATH];

// Creates (or opens) the settings key; 1 on success, 0 as soon as a creation fails.
BOOL InitQORegistryKey();
// Reads a value into the caller's buffer. On entry *size is the buffer size; on success
// *type and *size are those of the stored value. 1 on success, 0 on failure (the buffer is
// then not to be relied on).
BOOL GetQORegistryValue(LPCSTR valueName, DWORD* type, BYTE* data, DWORD* size);
// Stores a value: type REG_SZ with the text's length plus one, or REG_DWORD with size 4.
BOOL SetQORegistryValue(LPCSTR valueName, DWORD type, const BYTE* data, DWORD size);
