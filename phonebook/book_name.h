#pragma once
// The rule for a phonebook's name: it becomes the name of a profile file beside the module,
// so only the plain letters and digits are allowed.
#include <string>

// True when name is not empty and every byte is 0-9, a-z or A-Z. Bytes of 128 and above
// (letters of other alphabets, whatever the code page) make it invalid.
bool IsValidBookName(const std::string& name);
