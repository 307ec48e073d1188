#pragma once
// Profile (INI) files of the module's own lists. They lie beside the module's file; every
// routine takes the full path that GetProfilePath builds.
#include <windows.h>

#include <string>
#include <vector>

// The module's folder, the list name and the extension "ini".
std::string GetProfilePath(const std::string& listName);

// Writes one value. A null key with a null value erases the section; all three null flush
// the system's cached copy of the file. Nonzero on success.
BOOL WriteProfileText(const char* section, const char* key, const char* value, const std::string& path);
BOOL WriteProfileNumber(const char* section, const char* key, int number, const std::string& path);
// The system call the two above write through; returns the one it replaces. A test puts a
// failing one in its place to reach a write that fails in the middle of a save, which no
// state of a real file brings about.
using ProfileWriter = BOOL(WINAPI*)(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR path);
ProfileWriter SetProfileWriter(ProfileWriter writer);
// Reads a value, empty when missing; texts beyond 1023 characters are cut. Always succeeds.
BOOL ReadProfileText(const char* section, const char* key, std::string& text, const std::string& path);
// Reads a number; a missing one reads as -999, which counts as failure.
BOOL ReadProfileNumber(const char* section, const char* key, int& number, const std::string& path);
// The key names of a section, in file order.
std::vector<std::string> ReadProfileKeyNames(const char* section, const std::string& path);

constexpr int kMissingProfileNumber = -999;
