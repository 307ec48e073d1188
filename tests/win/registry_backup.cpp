#include "registry_backup.h"

#include "test_support.h"

namespace testsupport {

namespace {
const char kBackupsKey[] = "Software\\RWFaxTestBackups";

bool CopyTree(HKEY fromRoot, const std::string& from, HKEY toRoot, const std::string& to)
{
    HKEY source = nullptr, target = nullptr;
    bool copied = RegOpenKeyExA(fromRoot, from.c_str(), 0, KEY_READ, &source) == ERROR_SUCCESS &&
                  RegCreateKeyExA(toRoot, to.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &target, nullptr) ==
                      ERROR_SUCCESS &&
                  RegCopyTreeA(source, nullptr, target) == ERROR_SUCCESS;
    if (source)
        RegCloseKey(source);
    if (target)
        RegCloseKey(target);
    return copied;
}
}  // namespace

RegistryTreeBackup::RegistryTreeBackup(HKEY root, std::string path) : m_root(root), m_path(std::move(path))
{
    static int s_backups = 0;
    HKEY key = nullptr;
    if (RegOpenKeyExA(m_root, m_path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    RegCloseKey(key);
    m_copy = std::string(kBackupsKey) + "\\" + std::to_string(++s_backups);
    m_saved = CopyTree(m_root, m_path, HKEY_CURRENT_USER, m_copy);
    if (!m_saved)
        ADD_FAILURE() << "cannot save registry key " << m_path;
}

RegistryTreeBackup::~RegistryTreeBackup()
{
    if (!m_copy.empty() && !m_saved)
        return;  // what cannot be put back is not deleted either
    DeleteRegistryTree(m_root, m_path.c_str());
    if (m_copy.empty())
        return;
    if (!CopyTree(HKEY_CURRENT_USER, m_copy, m_root, m_path))
        ADD_FAILURE() << "cannot restore registry key " << m_path;
    DeleteRegistryTree(HKEY_CURRENT_USER, m_copy.c_str());
}

}  // namespace testsupport
