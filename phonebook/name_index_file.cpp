// Reading and writing a name index in its list's profile file.
#include <string>

#include "framework/message_box.h"
#include "framework/resources.h"
#include "framework/trace.h"
#include "phonebook/name_index.h"
#include "phonebook/profile_file.h"
#include "phonebook/record_names.h"
#include "res/resource.h"

namespace {
std::string ItemKey(int number) { return FormatText("%s%d", g_szItemKey, number); }
}  // namespace

int CNameIndex::Load(const std::string& listName, bool report)
{
    Clear();
    std::string path = GetProfilePath(listName);
    int number = 0;
    if (!ReadProfileNumber(g_szIndexSection, g_szNumberKey, number, path)) {
        if (report)
            FaxTrace("Error reading from %s\n", path.c_str());
        return 0;
    }
    int items = ItemsToRead(number, ReadProfileKeyNames(g_szIndexSection, path));
    for (int k = 1; k <= items; ++k) {
        std::string name;
        ReadProfileText(g_szIndexSection, ItemKey(k).c_str(), name, path);
        Add(name);  // duplicates and names beyond the last place are dropped
    }
    return 1;
}

int CNameIndex::Save(const std::string& listName) const
{
    std::string path = GetProfilePath(listName);
    // Erasing a section that is not there is no failure.
    WriteProfileText(g_szIndexSection, nullptr, nullptr, path);
    bool failed = false;
    int written = 0;
    for (const Entry& entry : m_entries) {
        if (entry.removed)
            continue;
        ++written;
        if (!WriteProfileText(g_szIndexSection, ItemKey(written).c_str(), entry.name.c_str(), path))
            failed = true;
    }
    if (!WriteProfileNumber(g_szIndexSection, g_szNumberKey, written, path))
        failed = true;
    if (failed) {
        FaxMessageBox(nullptr, FormatModuleString(IDS_ERROR_WRITING_INDEX, path.c_str()), nullptr,
                      MB_OK | MB_ICONEXCLAMATION);
        return 0;
    }
    return 1;
}
