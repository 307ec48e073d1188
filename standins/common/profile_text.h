#pragma once
// The plain text form in which the stand-in libraries keep their data: sections of
// "Key=Value" lines, the way a person would write them in a text editor.
//
//   ; a comment (also '#')
//   [Section name]
//   Key=Value
//   Notes="Line one\nLine two"
//
// Keys and section names are matched without regard to case. A value runs to the end of
// its line, without the blanks around it. A value in double quotes keeps its blanks and
// may hold the escapes \\ \" \n \r \t and \xHH; the writer quotes only the values that need
// it, so paths and names stay readable. Lines the reader does not understand are skipped.
#include <cstddef>
#include <string>
#include <vector>

struct ProfileValue {
    std::string key;
    std::string value;
};

struct ProfileSection {
    std::string name;
    std::vector<ProfileValue> values;

    // The value of a key, or null.
    const std::string* Find(const std::string& key) const;
    // Replaces the value of the key, or adds it at the end.
    void Set(const std::string& key, const std::string& value);
};

struct ProfileText {
    std::vector<ProfileSection> sections;
    size_t skippedLines = 0;  // lines that were neither blank, comment, section nor value

    // The first section of that name, or null.
    const ProfileSection* Find(const std::string& name) const;
    ProfileSection& Add(const std::string& name);
};

// Reads text of any content; lines before the first section go to a section named "".
ProfileText ParseProfileText(const std::string& text);
// Writes the sections, after the comment lines of the header (each written with "; ").
std::string FormatProfileText(const ProfileText& profile, const std::vector<std::string>& header);

// Case-insensitive comparison of ASCII letters, as the reader matches names.
bool SameProfileName(const std::string& a, const std::string& b);
