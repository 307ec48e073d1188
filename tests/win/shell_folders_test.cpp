// The user's folders and the per-user copy of the master list.
#include <shlobj.h>

#include <string>

#include "framework/module_state.h"
#include "host/fax_folders.h"
#include "host/shell_folders.h"
#include "test_support.h"

using namespace testsupport;

namespace {
std::string ShellFolder(int csidl)
{
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}
}  // namespace

TEST(ShellFoldersTest, FaxFoldersHangUnderTheDocumentsOrTheCurrentDriveWithoutTheLookUp)
{
    // The system's look-up, no library at all, and a library without the look-up.
    for (const char* library : {static_cast<const char*>(nullptr), "no-such-shfolder.dll", "kernel32.dll"}) {
        SetShellFolderLibrary(library);
        ComputeFaxFolderPaths();
        const std::string documents = library ? "" : ShellFolder(CSIDL_PERSONAL);
        const std::string common = library ? "" : ShellFolder(CSIDL_COMMON_APPDATA);
        EXPECT_EQ(documents, GetPersonalFolder());
        EXPECT_EQ(common + "\\Tavan\\Plexwork", GetCommonDataFolder("\\Tavan\\Plexwork"));
        EXPECT_EQ(library ? "" : ShellFolder(CSIDL_APPDATA) + "\\Tavan\\Plexwork", GetUserDataFolder());
        SetShellFolderLibrary(nullptr);
        const std::string fax = documents + "\\My Fax";
        EXPECT_EQ(fax + "|" + fax + "\\Fax Cover Page|" + fax + "\\Fax Inbox|" + fax + "\\Fax Logs|" + fax +
                      "\\Fax Outbox|" + fax + "\\Fax Sent",
                  g_strMyFaxDir + "|" + g_strCoverPageDir + "|" + g_strInboxDir + "|" + g_strLogsDir + "|" +
                      g_strOutboxDir + "|" + g_strSentDir);
    }
    EXPECT_TRUE(PathExists(GetUserDataFolder()));
    LoadOnHoldText();
    EXPECT_EQ("On Hold", g_strOnHold);
}

TEST(ShellFoldersTest, EnsureUserDataFileCopiesTheAllUsersFileOnce)
{
    const char name[] = "QOmaster-test.ini";
    std::string master = GetCommonDataFolder("\\Tavan\\Plexwork");
    ASSERT_EQ(1, CreateDirectoryPath(master.c_str()));
    master += std::string("\\") + name;
    const std::string userFolder = ShellFolder(CSIDL_APPDATA) + "\\Tavan\\Plexwork";
    const std::string userCopy = userFolder + "\\" + name;
    RemoveTree(userFolder);  // the folders along the way are created again
    DeleteFileA(master.c_str());
    EXPECT_EQ(0, EnsureUserDataFile(name));  // neither copy
    ASSERT_TRUE(WriteFileBytes(master, "[Index]\r\nNumber=0\r\n"));
    EXPECT_EQ(1, EnsureUserDataFile(name));
    EXPECT_EQ("[Index]\r\nNumber=0\r\n", ReadFileBytes(userCopy));
    // An existing user copy is kept as it is.
    ASSERT_TRUE(WriteFileBytes(userCopy, "mine"));
    EXPECT_EQ(1, EnsureUserDataFile(name));
    EXPECT_EQ("mine", ReadFileBytes(userCopy));
    DeleteFileA(userCopy.c_str());
    DeleteFileA(master.c_str());
}
