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

TEST(ShellFoldersTest, FaxFolderPathsHangUnderTheDocumentsFolder)
{
    std::string documents = ShellFolder(CSIDL_PERSONAL);
    ASSERT_FALSE(documents.empty());
    EXPECT_EQ(documents, GetPersonalFolder());
    ComputeFaxFolderPaths();
    EXPECT_EQ(documents + "\\My Fax", g_strMyFaxDir);
    EXPECT_EQ(documents + "\\My Fax\\Fax Cover Page", g_strCoverPageDir);
    EXPECT_EQ(documents + "\\My Fax\\Fax Inbox", g_strInboxDir);
    EXPECT_EQ(documents + "\\My Fax\\Fax Logs", g_strLogsDir);
    EXPECT_EQ(documents + "\\My Fax\\Fax Outbox", g_strOutboxDir);
    EXPECT_EQ(documents + "\\My Fax\\Fax Sent", g_strSentDir);
    LoadOnHoldText();
    EXPECT_EQ("On Hold", g_strOnHold);
}

TEST(ShellFoldersTest, WithoutTheShellFolderLookUpPathsAreRootedAtTheCurrentDrive)
{
    // No library at all, and a library without the look-up.
    for (const char* library : {"no-such-shfolder.dll", "kernel32.dll"}) {
        SetShellFolderLibrary(library);
        ComputeFaxFolderPaths();
        std::string personal = GetPersonalFolder();
        std::string common = GetCommonDataFolder("\\Tavan\\Plexwork");
        std::string user = GetUserDataFolder();
        SetShellFolderLibrary(nullptr);
        EXPECT_EQ("", personal) << library;
        EXPECT_EQ("\\My Fax", g_strMyFaxDir) << library;
        EXPECT_EQ("\\My Fax\\Fax Cover Page", g_strCoverPageDir) << library;
        EXPECT_EQ("\\My Fax\\Fax Sent", g_strSentDir) << library;
        EXPECT_EQ("\\Tavan\\Plexwork", common) << library;
        EXPECT_EQ("", user) << library;
    }
}

TEST(ShellFoldersTest, CommonAndUserDataFolders)
{
    EXPECT_EQ(ShellFolder(CSIDL_COMMON_APPDATA) + "\\Tavan\\Plexwork", GetCommonDataFolder("\\Tavan\\Plexwork"));
    std::string user = GetUserDataFolder();
    EXPECT_EQ(ShellFolder(CSIDL_APPDATA) + "\\Tavan\\Plexwork", user);
    DWORD attributes = GetFileAttributesA(user.c_str());
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, attributes);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(ShellFoldersTest, CreateDirectoryPathMakesEveryFolderAlongThePath)
{
    TempFolder temp;
    std::string deep = temp.File("ab\\cd");
    EXPECT_EQ(1, CreateDirectoryPath(deep.c_str()));
    EXPECT_TRUE(PathExists(deep));
    // Only the folders the path names: no folder for part of a name.
    EXPECT_FALSE(PathExists(temp.File("a")));
    EXPECT_FALSE(PathExists(temp.File("ab\\c")));
    EXPECT_EQ(1, CreateDirectoryPath((deep + "\\").c_str()));  // exists already, trailing separator
    EXPECT_EQ(0, CreateDirectoryPath(nullptr));

    // A file where a folder should be stops the walk.
    ASSERT_TRUE(WriteFileBytes(temp.File("file"), "x"));
    EXPECT_EQ(0, CreateDirectoryPath(temp.File("file\\sub").c_str()));
}

TEST(ShellFoldersTest, EnsureUserDataFileCopiesTheAllUsersFileOnce)
{
    const char name[] = "QOmaster-test.ini";
    std::string master = GetCommonDataFolder("\\Tavan\\Plexwork");
    ASSERT_EQ(1, CreateDirectoryPath(master.c_str()));
    master += std::string("\\") + name;
    std::string userFolder = ShellFolder(CSIDL_APPDATA) + "\\Tavan\\Plexwork";
    std::string userCopy = userFolder + "\\" + name;
    DeleteFileA(userCopy.c_str());
    RemoveTree(userFolder);  // the folders along the way are created again

    // Neither copy: failure.
    DeleteFileA(master.c_str());
    EXPECT_EQ(0, EnsureUserDataFile(name));

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
