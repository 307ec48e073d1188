// Reading and writing a whole record file.
#include <string>

#include "framework/message_box.h"
#include "framework/resources.h"
#include "phonebook/profile_file.h"
#include "phonebook/record_file.h"
#include "res/resource.h"

int CRecordFile::Load(const std::string& listName, bool contacts, bool report)
{
    std::string path = GetProfilePath(listName);
    int result = m_Index.Load(listName, report);
    const int fields = contacts ? kContactFieldCount : kLogColumnCount;
    const char* const* keys = contacts ? g_szContactFields : g_szLogColumns;
    for (int i = 0; i < m_Index.GetCount(); ++i) {
        std::string section = m_Index.GetAt(i);
        for (int field = 0; field < fields; ++field)
            ReadProfileText(section.c_str(), keys[field], m_Slots[static_cast<size_t>(i)][static_cast<size_t>(field)], path);
    }
    return result;
}

int CRecordFile::Save(const std::string& listName, bool contacts) const
{
    std::string path = GetProfilePath(listName);
    // The file is written whole: nothing of an earlier version, cached or on disk, survives.
    WriteProfileText(nullptr, nullptr, nullptr, path);
    DeleteFileA(path.c_str());
    if (!m_Index.Save(listName))
        return 0;

    const int fields = contacts ? kContactFieldCount : kLogColumnCount;
    const char* const* keys = contacts ? g_szContactFields : g_szLogColumns;
    for (int i = 0; i < m_Index.GetCount(); ++i) {
        if (m_Index.IsRemoved(i))
            continue;
        const Slot& slot = m_Slots[static_cast<size_t>(i)];
        std::string section = contacts ? slot[0] + " " + slot[1] : slot[0];
        bool written = true;
        for (int field = 0; field < fields && written; ++field)
            written = WriteProfileText(section.c_str(), keys[field], slot[static_cast<size_t>(field)].c_str(), path) != 0;
        if (!written) {
            FaxMessageBox(nullptr, FormatModuleString(IDS_ERROR_WRITING_FILE, path.c_str()), nullptr,
                          MB_OK | MB_ICONEXCLAMATION);
            return 0;
        }
        WriteProfileText(nullptr, nullptr, nullptr, path);
    }
    return 1;
}
