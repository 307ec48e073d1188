#pragma once
// The names the log pages derive from an entry's document path (szFileList): the file name
// the host knows the document by, and the sibling files kept beside it (".tif" working
// copy, ".LRS" full-resolution copy, ".FMP" side name while a job is resubmitted).
#include <cstddef>
#include <string>

// The text after the last backslash; the whole text when there is none.
std::string FileNameOfPath(const std::string& path);
// The file name without its last four characters (the extension with its dot), as the host
// names a document it has shown; empty for a name of four characters or fewer.
std::string DocumentNameWithoutExtension(const std::string& path);
// The text with its last `count` characters replaced. False when the text is shorter than
// `count`: such a path names no document and nothing is derived from it.
bool ReplaceLastChars(const std::string& text, size_t count, const char* replacement, std::string* result);
// The path with the text after the last dot of its file name replaced by the extension
// (no dot in the file name: a dot and the extension are added).
std::string ReplaceExtension(const std::string& path, const char* extension);
