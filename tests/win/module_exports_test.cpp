// RWFaxDlg.dll as a host sees it: loaded at run time, called through the public header.
#include "RWFaxDlg.h"

#include <string>

#include "standins/phonebook/phonebook_resource.h"
#include "standins/phonebook/redizazu_standin.h"
#include "test_support.h"

using namespace testsupport;

namespace {
// Loads the module for one test and unloads it afterwards, so each test sees a fresh start.
class LoadedModule {
public:
    LoadedModule() : m_module(LoadLibraryA("RWFaxDlg.dll")) {}
    ~LoadedModule()
    {
        if (m_module)
            FreeLibrary(m_module);
    }
    HMODULE Handle() const { return m_module; }
    template <typename T>
    T Get(const char* name) const
    {
        return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(m_module, name)));
    }

private:
    HMODULE m_module;
};

#define FAXDLL(name, bytes) FAXDLL_EXPORT_NAME(name, bytes)
}  // namespace

TEST(ModuleExportsTest, LoadingCreatesTheSettingsKey)
{
    DeleteRegistryTree(HKEY_CURRENT_USER, kSuiteKey);
    LoadedModule module;
    ASSERT_NE(nullptr, module.Handle());
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Velmoor\\QOI\\Fax\\RW", 0, KEY_READ, &key));
    RegCloseKey(key);
}

TEST(ModuleExportsTest, EveryEntryPointIsExportedByName)
{
    LoadedModule module;
    ASSERT_NE(nullptr, module.Handle());
    const char* names[] = {
        FAXDLL(FaxDLL_OnSendFax, 12),         FAXDLL(FaxDLL_ShowFaxStatus, 12),
        FAXDLL(FaxDLL_UpdateFaxStatus, 12),   FAXDLL(FaxDLL_HideFaxStatus, 4),
        FAXDLL(FaxDLL_NotifySendLog, 8),      FAXDLL(FaxDLL_NotifyReceiveLog, 8),
        FAXDLL(FaxDLL_NotifyOfModem, 4),      FAXDLL(FaxDLL_OnRefreshLogs, 8),
        FAXDLL(FaxDLL_OnFaxLogs, 8),          FAXDLL(FaxDLL_OnFaxPhonebooks, 4),
        FAXDLL(FaxDLL_OnFaxModifyPhonebooks, 4), FAXDLL(FaxDLL_OnFaxGeneralSetup, 8),
        FAXDLL(FaxDLL_OnFaxModemSetup, 8),    FAXDLL(FaxDLL_OnFaxHeaderSetup, 8),
        FAXDLL(FaxDLL_OnFaxLogSetup, 8),
    };
    for (const char* name : names)
        EXPECT_NE(nullptr, module.Get<void*>(name)) << name;
}

TEST(ModuleExportsTest, NotifyOfModemSetsAndReturnsTheBitOfTheNumberMod32)
{
    LoadedModule module;
    auto notify = module.Get<PFN_FaxDLL_NotifyOfModem>(FAXDLL(FaxDLL_NotifyOfModem, 4));
    ASSERT_NE(nullptr, notify);
    DWORD modem = 33;
    EXPECT_EQ(2u, notify(&modem));
    EXPECT_EQ(2u, notify(&modem));
    modem = 0;
    EXPECT_EQ(1u, notify(&modem));
    modem = 31;
    EXPECT_EQ(0x80000000u, notify(&modem));
    EXPECT_EQ(0u, notify(nullptr));
}

TEST(ModuleExportsTest, ExportedAssignmentCopiesBothWordsAndReturnsTheDestination)
{
    LoadedModule module;
#ifdef _WIN64
    const char* name = "??4l4linkSt@@QEAAAEAU0@AEBU0@@Z";
#else
    const char* name = "??4l4linkSt@@QAEAAU0@ABU0@@Z";
#endif
    // On x86_64 a member function takes "this" as its first argument.
    using Assign = l4linkSt* (*)(l4linkSt* self, const l4linkSt* other);
    auto assign = module.Get<Assign>(name);
    ASSERT_NE(nullptr, assign);
    l4linkSt source = {0x11111111, 0x22222222};
    l4linkSt target = {0, 0};
    EXPECT_EQ(&target, assign(&target, &source));
    EXPECT_EQ(0x11111111u, target.dwFirst);
    EXPECT_EQ(0x22222222u, target.dwSecond);
}

TEST(ModuleExportsTest, OnFaxPhonebooksRunsThePhonebookLibrarysEditor)
{
    LoadedModule module;
    auto onPhonebooks = module.Get<PFN_FaxDLL_OnFaxPhonebooks>(FAXDLL(FaxDLL_OnFaxPhonebooks, 4));
    ASSERT_NE(nullptr, onPhonebooks);
    // The module imports the library by name; point the loaded library at a store of ours.
    HMODULE library = GetModuleHandleA("ReDiZazu.dll");
    ASSERT_NE(nullptr, library);
    auto setStore = reinterpret_cast<decltype(&PhoneBookStandInSetStoreFolder)>(
        reinterpret_cast<void*>(GetProcAddress(library, "PhoneBookStandInSetStoreFolder")));
    ASSERT_NE(nullptr, setStore);
    TempFolder store;
    ASSERT_TRUE(WriteFileBytes(store.File("Main.pbk"), "[Phonebook]\r\nName=Main\r\n"));
    setStore(store.Path().c_str());

    struct Seen {
        std::string caption;
        std::string book;
    } seen;
    OnNextActivation closeEditor(
        [](HWND editor, void* context) {
            auto* seen = static_cast<Seen*>(context);
            seen->caption = WindowText(editor);
            seen->book = WindowText(GetDlgItem(editor, IDC_PB_BOOK_LIST));
            PostMessageA(GetDlgItem(editor, IDCANCEL), BM_CLICK, 0, 0);
        },
        &seen);
    onPhonebooks(0);
    EXPECT_TRUE(closeEditor.Fired());
    EXPECT_EQ("Phonebooks", seen.caption);
    EXPECT_EQ("Main", seen.book);
    setStore(nullptr);
}
