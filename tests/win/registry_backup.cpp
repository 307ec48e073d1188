#include "registry_backup.h"

#include "test_support.h"

namespace testsupport {

RegistryTreeBackup::RegistryTreeBackup(HKEY root, std::string path) : m_root(root), m_path(std::move(path))
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(m_root, m_path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    m_existed = true;
    m_tree.name = m_path;
    m_saved = Save(key, &m_tree);
    RegCloseKey(key);
    if (!m_saved)
        ADD_FAILURE() << "cannot save registry key " << m_path;
}

RegistryTreeBackup::~RegistryTreeBackup()
{
    if (m_existed && !m_saved)
        return;  // what cannot be put back is not deleted either
    DeleteRegistryTree(m_root, m_path.c_str());
    if (m_existed)
        Restore(m_root, m_tree);
}

bool RegistryTreeBackup::Save(HKEY key, Node* node)
{
    DWORD subkeys = 0, longestSubkey = 0, values = 0, longestName = 0, longestData = 0;
    if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, &longestSubkey, nullptr, &values, &longestName,
                         &longestData, nullptr, nullptr) != ERROR_SUCCESS)
        return false;
    for (DWORD index = 0; index < values; ++index) {
        std::string name(longestName + 1, '\0');
        std::vector<BYTE> data(longestData + 1);
        DWORD nameLength = longestName + 1;
        DWORD size = longestData + 1;
        DWORD type = 0;
        if (RegEnumValueA(key, index, &name[0], &nameLength, nullptr, &type, data.data(), &size) != ERROR_SUCCESS)
            return false;
        name.resize(nameLength);
        data.resize(size);
        node->values.push_back(Value{name, type, data});
    }
    for (DWORD index = 0; index < subkeys; ++index) {
        std::string name(longestSubkey + 1, '\0');
        DWORD nameLength = longestSubkey + 1;
        if (RegEnumKeyExA(key, index, &name[0], &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            return false;
        name.resize(nameLength);
        HKEY child = nullptr;
        if (RegOpenKeyExA(key, name.c_str(), 0, KEY_READ, &child) != ERROR_SUCCESS)
            return false;
        Node childNode;
        childNode.name = name;
        bool saved = Save(child, &childNode);
        RegCloseKey(child);
        if (!saved)
            return false;
        node->children.push_back(std::move(childNode));
    }
    return true;
}

void RegistryTreeBackup::Restore(HKEY parent, const Node& node)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(parent, node.name.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        ADD_FAILURE() << "cannot restore registry key " << node.name;
        return;
    }
    for (const Value& value : node.values)
        RegSetValueExA(key, value.name.c_str(), 0, value.type, value.data.data(), static_cast<DWORD>(value.data.size()));
    for (const Node& child : node.children)
        Restore(key, child);
    RegCloseKey(key);
}

}  // namespace testsupport
