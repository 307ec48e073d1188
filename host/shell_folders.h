#pragma once
// The user's folders, found through the shell, and the per-user copy of a data file.
#include <windows.h>
#include <string>

// The user's documents folder; empty when the lookup fails.
std::string GetPersonalFolder();
// The all-users application-data folder followed by the suffix; the suffix alone when the
// lookup fails.
std::string GetCommonDataFolder(const std::string& suffix);
// The user's application-data folder followed by "\Tavan\Plexwork", with every folder along
// that path created; empty on failure.
std::string GetUserDataFolder();

// 1 when every folder along the path exists or was created; 0 at the first folder that
// cannot be created, and for a null path.
BOOL CreateDirectoryPath(const char* path);
// 1 when the path names an existing file that is not a folder.
BOOL FileExists(const char* path);
// 1 when the user's copy of the data file exists or was copied from the all-users copy.
BOOL EnsureUserDataFile(const char* fileName);

// The library that holds SHGetFolderPathA, loaded at run time ("shfolder.dll"). Tests name
// a library that does not exist to see every lookup fail; null restores the default.
void SetShellFolderLibrary(const char* libraryName);
