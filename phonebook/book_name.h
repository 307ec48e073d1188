#pragma once
// The rules for a phonebook's name: it becomes the name of a profile file beside the module,
// so only the plain letters and digits are allowed, and never a name that is already taken
// by a file of its own (the master list) or by a device.
#include <string>

// True when name is not empty, every byte is 0-9, a-z or A-Z (bytes of 128 and above,
// letters of other alphabets whatever the code page, make it invalid), and it names
// neither the master list nor a device, in any letter case.
bool IsValidBookName(const std::string& name);

// True when the list of that name would be the master list's file itself.
bool NamesMasterList(const std::string& name);

// The file name, without extension, of the list `name`. Names read from files a person can
// edit may hold anything: bytes a file name cannot hold, and '%' itself, become "%XX", and
// a device name has its first letter written so; so the file stays beside the module, is
// a file, and two different names never share one.
std::string ProfileFileStem(const std::string& name);
