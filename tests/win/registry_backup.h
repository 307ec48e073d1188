#pragma once
// Keeps a registry tree as it was: copied aside under the current user's key when the backup
// is made and copied back when it goes (a tree that did not exist is removed again). For tests
// that must change keys of the local machine that other tests, and Wine itself, rely on.
#include <windows.h>

#include <string>

namespace testsupport {

class RegistryTreeBackup {
public:
    RegistryTreeBackup(HKEY root, std::string path);
    ~RegistryTreeBackup();
    RegistryTreeBackup(const RegistryTreeBackup&) = delete;
    RegistryTreeBackup& operator=(const RegistryTreeBackup&) = delete;

private:
    HKEY m_root;
    std::string m_path;
    std::string m_copy;  // empty when the tree did not exist
    bool m_saved = false;
};

}  // namespace testsupport
