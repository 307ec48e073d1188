#pragma once
// File work shared by the stand-in libraries: their store folders and the small files in
// them.
#include <windows.h>

#include <string>
#include <vector>

// The folder a stand-in keeps its data in: the environment variable when it is set, else
// "<application data of the user>\Velmoor\<leaf>".
std::string DefaultStoreFolder(const char* environmentVariable, const char* leaf);
// Creates a folder and the folders above it; true when it exists afterwards.
bool CreateFolderPath(const std::string& folder);
// Reads a whole file of at most maxBytes; false when it cannot be read or is larger.
bool ReadWholeFile(const std::string& path, size_t maxBytes, std::string& bytes);
// Writes a file through a temporary file beside it, so a reader never sees half of it.
bool ReplaceFileWith(const std::string& path, const std::string& bytes);
// Names of the files in a folder that match a pattern ("*.job"), sorted without regard to case.
std::vector<std::string> ListFiles(const std::string& folder, const char* pattern);
