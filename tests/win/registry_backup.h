#pragma once
// Keeps a registry tree as it was: saved when the backup is made and put back exactly when it
// goes (a tree that did not exist is removed again). For tests that must change keys of the
// local machine that other tests, and Wine itself, rely on.
#include <windows.h>

#include <string>
#include <vector>

namespace testsupport {

class RegistryTreeBackup {
public:
    RegistryTreeBackup(HKEY root, std::string path);
    ~RegistryTreeBackup();
    RegistryTreeBackup(const RegistryTreeBackup&) = delete;
    RegistryTreeBackup& operator=(const RegistryTreeBackup&) = delete;

private:
    struct Value {
        std::string name;
        DWORD type;
        std::vector<BYTE> data;
    };
    struct Node {
        std::string name;
        std::vector<Value> values;
        std::vector<Node> children;
    };
    static bool Save(HKEY key, Node* node);
    static void Restore(HKEY parent, const Node& node);

    HKEY m_root;
    std::string m_path;
    bool m_existed = false;
    bool m_saved = false;
    Node m_tree;
};

}  // namespace testsupport
