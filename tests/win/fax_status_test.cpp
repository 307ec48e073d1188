// The status window as a host drives it: through the module's exports, with a real host
// window, reading back what the controls show.
#include "RWFaxDlg.h"

#include <commctrl.h>

#include <string>

#include "res/resource.h"
#include "test_support.h"

using namespace testsupport;

namespace {

class StatusWindowTest : public SettingsTest {
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        m_module = LoadLibraryA("RWFaxDlg.dll");
        ASSERT_NE(nullptr, m_module);
        m_show = Get<PFN_FaxDLL_ShowFaxStatus>(FAXDLL_EXPORT_NAME(FaxDLL_ShowFaxStatus, 12));
        m_update = Get<PFN_FaxDLL_UpdateFaxStatus>(FAXDLL_EXPORT_NAME(FaxDLL_UpdateFaxStatus, 12));
        m_hide = Get<PFN_FaxDLL_HideFaxStatus>(FAXDLL_EXPORT_NAME(FaxDLL_HideFaxStatus, 4));
        ASSERT_TRUE(m_show && m_update && m_hide);
        m_host.hWnd = CreateWindowA("STATIC", "Host", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(nullptr, m_host.hWnd);
    }
    void TearDown() override
    {
        if (m_module)
            FreeLibrary(m_module);  // the status window goes with the module
        if (m_host.hWnd)
            DestroyWindow(m_host.hWnd);
        SettingsTest::TearDown();
    }
    template <typename T>
    T Get(const char* name)
    {
        return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(m_module, name)));
    }

    // The module's status window: the popup owned by the host window.
    struct StatusSearch {
        HWND owner;
        HWND found;
    };
    static BOOL CALLBACK FindStatus(HWND window, LPARAM context)
    {
        auto* search = reinterpret_cast<StatusSearch*>(context);
        if (GetWindow(window, GW_OWNER) == search->owner && WindowText(window) == "Fax Status") {
            search->found = window;
            return FALSE;
        }
        return TRUE;
    }
    HWND StatusWindow() const
    {
        StatusSearch search = {m_host.hWnd, nullptr};
        EnumThreadWindows(GetCurrentThreadId(), &StatusWindowTest::FindStatus, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    std::string Text(int id) const { return WindowText(GetDlgItem(StatusWindow(), id)); }
    int Progress() const
    {
        return static_cast<int>(SendDlgItemMessageA(StatusWindow(), IDC_STATUS_PROGRESS, PBM_GETPOS, 0, 0));
    }

    HMODULE m_module = nullptr;
    PFN_FaxDLL_ShowFaxStatus m_show = nullptr;
    PFN_FaxDLL_UpdateFaxStatus m_update = nullptr;
    PFN_FaxDLL_HideFaxStatus m_hide = nullptr;
    FAXHOSTWND m_host = {};
};

SEND_FAX Job(char* name, char* company, char* fax, char* phone, char* subject, DWORD id)
{
    SEND_FAX job = {};
    job.szDestName = name;
    job.szToCompany = company;
    job.szDestFax = fax;
    job.szDestPhone = phone;
    job.szSubject = subject;
    job.dwJobID = id;
    return job;
}

}  // namespace

TEST_F(StatusWindowTest, UpdateAndHideBeforeTheFirstShowDoNothing)
{
    m_update(0, FAXSTATUS_PAGE, 2);
    EXPECT_EQ(0, m_hide(0));
    EXPECT_EQ(nullptr, StatusWindow());
}

TEST_F(StatusWindowTest, FirstShowFillsTheFieldsFromTheJobAndTheSettings)
{
    WriteRegistryString(HKEY_CURRENT_USER, kSettingsKey, "Sender Fax ID", "+1 425 555 0100");
    char name[] = "Ann Smith", company[] = "Acme", fax[] = "9,5551212", phone[] = "555-1313",
         subject[] = "100% done & %s %d";
    SEND_FAX job = Job(name, company, fax, phone, subject, 77);
    m_show(&m_host, 5, &job);
    HWND status = StatusWindow();
    ASSERT_NE(nullptr, status);
    EXPECT_TRUE(IsWindowVisible(status));
    EXPECT_EQ("Ann Smith", Text(IDC_STATUS_NAME));
    EXPECT_EQ("Acme", Text(IDC_STATUS_COMPANY));
    EXPECT_EQ("9,5551212", Text(IDC_STATUS_FAX));
    EXPECT_EQ("555-1313", Text(IDC_STATUS_PHONE));
    EXPECT_EQ("100% done & %s %d", Text(IDC_STATUS_SUBJECT));
    EXPECT_EQ("+1 425 555 0100", Text(IDC_STATUS_STATIONID));
    EXPECT_EQ("Fax Modem Initializing...", Text(IDC_STATUS_STATUS));
    EXPECT_EQ("", Text(IDC_STATUS_BAUD));
    EXPECT_EQ("", Text(IDC_STATUS_PAGE));
    EXPECT_EQ(0, Progress());
}

TEST_F(StatusWindowTest, UpdateCodesChangeTheirFieldOnly)
{
    char name[] = "Ann", empty[] = "";
    SEND_FAX job = Job(name, empty, empty, empty, empty, 1);
    m_show(&m_host, 5, &job);
    ASSERT_NE(nullptr, StatusWindow());

    m_update(0, FAXSTATUS_PAGE, 2);  // before any total: of 0
    EXPECT_EQ("Page 2 of 0", Text(IDC_STATUS_PAGE));
    m_update(0, FAXSTATUS_TOTAL_PAGES, 5);
    EXPECT_EQ("Page 2 of 0", Text(IDC_STATUS_PAGE));  // the total alone changes no text
    m_update(0, FAXSTATUS_PAGE, 2);
    EXPECT_EQ("Page 2 of 5", Text(IDC_STATUS_PAGE));
    m_update(0, FAXSTATUS_BAUD_RATE, 14400);
    EXPECT_EQ("14400", Text(IDC_STATUS_BAUD));
    m_update(0, FAXSTATUS_STATUS_TEXT, IDS_FAX_TRANSMIT_OK);
    EXPECT_EQ("Fax Transmission Successful.", Text(IDC_STATUS_STATUS));
    m_update(0, FAXSTATUS_STATUS_TEXT, 1);  // no such string: empty
    EXPECT_EQ("", Text(IDC_STATUS_STATUS));
    m_update(0, FAXSTATUS_PROGRESS, 40);
    EXPECT_EQ(40, Progress());
    m_update(0, 99, 12345);  // unknown code: nothing changes
    EXPECT_EQ("14400", Text(IDC_STATUS_BAUD));
    EXPECT_EQ("Page 2 of 5", Text(IDC_STATUS_PAGE));
    EXPECT_EQ(40, Progress());
    EXPECT_EQ("Ann", Text(IDC_STATUS_NAME));
}

TEST_F(StatusWindowTest, LaterShowsReuseTheWindowRefreshAndResetProgress)
{
    char first[] = "First", second[] = "Second", empty[] = "";
    SEND_FAX job1 = Job(first, empty, empty, empty, empty, 1);
    SEND_FAX job2 = Job(second, empty, empty, empty, empty, 2);
    m_show(&m_host, 5, &job1);
    HWND window = StatusWindow();
    ASSERT_NE(nullptr, window);
    m_update(0, FAXSTATUS_TOTAL_PAGES, 3);
    m_update(0, FAXSTATUS_BAUD_RATE, 9600);
    m_update(0, FAXSTATUS_PROGRESS, 70);

    EXPECT_NE(0, m_hide(0));  // it was visible
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(0, m_hide(0));  // already hidden

    m_show(&m_host, 5, &job2);
    EXPECT_EQ(window, StatusWindow());
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ("Second", Text(IDC_STATUS_NAME));
    EXPECT_EQ("", Text(IDC_STATUS_BAUD));
    EXPECT_EQ("Fax Modem Initializing...", Text(IDC_STATUS_STATUS));
    EXPECT_EQ(0, Progress());
    m_update(0, FAXSTATUS_PAGE, 1);  // the total of the previous job is kept
    EXPECT_EQ("Page 1 of 3", Text(IDC_STATUS_PAGE));
}

TEST_F(StatusWindowTest, NullRecordLeavesTheTextsEmpty)
{
    m_show(&m_host, 5, nullptr);
    ASSERT_NE(nullptr, StatusWindow());
    EXPECT_EQ("", Text(IDC_STATUS_NAME));
    EXPECT_EQ("", Text(IDC_STATUS_STATUS));
    EXPECT_EQ("", Text(IDC_STATUS_STATIONID));
    char name[] = "Later", empty[] = "";
    SEND_FAX job = Job(name, empty, empty, empty, empty, 3);
    m_show(&m_host, 5, &job);
    EXPECT_EQ("Later", Text(IDC_STATUS_NAME));
    m_show(&m_host, 5, nullptr);
    EXPECT_EQ("", Text(IDC_STATUS_NAME));
}

TEST_F(StatusWindowTest, EscapeHidesWithoutDestroying)
{
    char name[] = "Ann", empty[] = "";
    SEND_FAX job = Job(name, empty, empty, empty, empty, 4);
    m_show(&m_host, 5, &job);
    HWND window = StatusWindow();
    ASSERT_NE(nullptr, window);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_FALSE(IsWindowVisible(window));
}

namespace {
// The stand-in engine's own calls, looked up in the engine the module has loaded.
template <typename T>
T EngineCall(const char* name)
{
    return LoadedLibraryCall<T>("VOVADO32.dll", name);
}
}  // namespace

TEST_F(StatusWindowTest, AbortCancelsTheJobOfTheLastShowAndHides)
{
    TempFolder store;
    auto setStore = EngineCall<DWORD(WINAPI*)(const char*)>("FaxStandInSetStoreFolder");
    auto open = EngineCall<FAXENGINE(WINAPI*)(HWND, UINT)>("FaxStandInOpen");
    auto close = EngineCall<DWORD(WINAPI*)(FAXENGINE)>("FaxStandInClose");
    auto schedule = EngineCall<DWORD(WINAPI*)(FAXENGINE, SEND_FAX*)>("FaxSchedule");
    auto find = EngineCall<DWORD(WINAPI*)(FAXENGINE, SEND_FAX**, DWORD)>("FaxLogFind");
    ASSERT_TRUE(setStore && open && close && schedule && find);
    ASSERT_NE(0u, setStore(store.Path().c_str()));
    FAXENGINE engine = open(nullptr, 0);

    // Two waiting jobs; the window is shown for the first, then for the second.
    auto init = EngineCall<DWORD(WINAPI*)(FAXENGINE, SEND_FAX*)>("FaxInitSendStruct");
    ASSERT_NE(nullptr, init);
    char name[] = "Ann", fax[] = "5551212", empty[] = "";
    SEND_FAX first = Job(name, empty, fax, empty, empty, 0);
    init(engine, &first);
    first.nYear = 2099;
    first.nMonth = 1;
    first.nDay = 1;
    SEND_FAX second = first;
    ASSERT_NE(0u, schedule(engine, &first));
    ASSERT_NE(0u, schedule(engine, &second));
    ASSERT_NE(first.dwJobID, second.dwJobID);
    SEND_FAX* found = nullptr;

    m_show(&m_host, engine, &first);
    m_show(&m_host, engine, &second);
    HWND window = StatusWindow();
    ASSERT_NE(nullptr, window);
    SendDlgItemMessageA(window, IDC_STATUS_ABORT, BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(IsWindow(window));

    ASSERT_EQ(1u, find(engine, &found, second.dwJobID));
    EXPECT_EQ(FAXLOG_FAILED, found->nLogType);
    GlobalFree(GlobalHandle(found));
    ASSERT_EQ(1u, find(engine, &found, first.dwJobID));
    EXPECT_EQ(FAXLOG_WAITING, found->nLogType);
    GlobalFree(GlobalHandle(found));

    close(engine);
    setStore(nullptr);
}
