// The status window as a host drives it: through the module's exports, with a real host
// window, reading back what the controls show.
#include "RWFaxDlg.h"

#include <commctrl.h>

#include <string>

#include "res/resource.h"
#include "send_fax_fixture.h"

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
        m_host = FrameworkWindowObject(
            CreateWindowA("STATIC", "Host", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr));
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
        HWND owner, found;
    };
    static BOOL CALLBACK FindStatus(HWND window, LPARAM context)
    {
        auto* search = reinterpret_cast<StatusSearch*>(context);
        if (GetWindow(window, GW_OWNER) != search->owner || WindowText(window) != "Fax Status")
            return TRUE;
        search->found = window;
        return FALSE;
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

// The window only reads the texts of the record it is shown.
SEND_FAX Job(const char* name, DWORD id = 0)
{
    char* empty = const_cast<char*>("");
    SEND_FAX job = {};
    job.szDestName = const_cast<char*>(name);
    job.szToCompany = job.szDestFax = job.szDestPhone = job.szSubject = empty;
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
    SEND_FAX job = Job("Ann Smith", 77);
    job.szToCompany = const_cast<char*>("Acme");
    job.szDestFax = const_cast<char*>("9,5551212");
    job.szDestPhone = const_cast<char*>("555-1313");
    job.szSubject = const_cast<char*>("100% done & %s %d");
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
    SEND_FAX job = Job("Ann", 1);
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
    SEND_FAX first = Job("First", 1), second = Job("Second", 2);
    m_show(&m_host, 5, &first);
    HWND window = StatusWindow();
    ASSERT_NE(nullptr, window);
    m_update(0, FAXSTATUS_TOTAL_PAGES, 3);
    m_update(0, FAXSTATUS_BAUD_RATE, 9600);
    m_update(0, FAXSTATUS_PROGRESS, 70);

    EXPECT_NE(0, m_hide(0));  // it was visible
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(0, m_hide(0));  // already hidden

    m_show(&m_host, 5, &second);
    EXPECT_EQ(window, StatusWindow());
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ("Second", Text(IDC_STATUS_NAME));
    EXPECT_EQ("", Text(IDC_STATUS_BAUD));
    EXPECT_EQ("Fax Modem Initializing...", Text(IDC_STATUS_STATUS));
    EXPECT_EQ(0, Progress());
    m_update(0, FAXSTATUS_PAGE, 1);  // the total of the previous job is kept
    EXPECT_EQ("Page 1 of 3", Text(IDC_STATUS_PAGE));

    // A null record leaves the texts empty.
    m_show(&m_host, 5, nullptr);
    EXPECT_EQ("", Text(IDC_STATUS_NAME));
    EXPECT_EQ("", Text(IDC_STATUS_STATUS));
    EXPECT_EQ("", Text(IDC_STATUS_STATIONID));

    // Escape hides without destroying.
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_FALSE(IsWindowVisible(window));
}

TEST_F(StatusWindowTest, AbortCancelsTheJobOfTheLastShowAndHides)
{
    TempFolder store;
    sendfaxtest::StandInEngine engine(store.Path());
    // Two waiting jobs; the window is shown for the first, then for the second.
    SEND_FAX first = Job("Ann");
    first.szDestFax = const_cast<char*>("5551212");
    STANDIN_CALL(FaxInitSendStruct)(engine.Handle(), &first);
    first.nYear = 2099;
    first.nMonth = 1;
    first.nDay = 1;
    SEND_FAX second = first;
    ASSERT_NE(0u, STANDIN_CALL(FaxSchedule)(engine.Handle(), &first));
    ASSERT_NE(0u, STANDIN_CALL(FaxSchedule)(engine.Handle(), &second));
    ASSERT_NE(first.dwJobID, second.dwJobID);

    m_show(&m_host, engine.Handle(), &first);
    m_show(&m_host, engine.Handle(), &second);
    HWND window = StatusWindow();
    ASSERT_NE(nullptr, window);
    SendDlgItemMessageA(window, IDC_STATUS_ABORT, BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(IsWindow(window));

    for (const SEND_FAX* job : {&second, &first}) {
        SEND_FAX* found = nullptr;
        ASSERT_EQ(1u, STANDIN_CALL(FaxLogFind)(engine.Handle(), &found, job->dwJobID));
        EXPECT_EQ(job == &second ? FAXLOG_FAILED : FAXLOG_WAITING, found->nLogType);
        GlobalFree(GlobalHandle(found));
    }
}

TEST_F(StatusWindowTest, UnloadingTheModuleWithTheWindowShownTakesTheWindowAlong)
{
    SEND_FAX job = Job("Ann");
    m_show(&m_host, 0, &job);
    HWND window = StatusWindow();
    ASSERT_TRUE(IsWindowVisible(window));

    ASSERT_TRUE(FreeLibrary(m_module));
    m_module = nullptr;
    EXPECT_EQ(nullptr, GetModuleHandleA("RWFaxDlg.dll"));
    EXPECT_FALSE(IsWindow(window));

    // The process goes on, and the next load starts over with a window of its own.
    m_module = LoadLibraryA("RWFaxDlg.dll");
    ASSERT_NE(nullptr, m_module);
    Get<PFN_FaxDLL_ShowFaxStatus>(FAXDLL_EXPORT_NAME(FaxDLL_ShowFaxStatus, 12))(&m_host, 0, &job);
    EXPECT_NE(nullptr, StatusWindow());
}
