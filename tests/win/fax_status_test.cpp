// The status window as a host drives it: through the module's exports, with a real host
// window, reading back what the controls show.
#include "RWFaxDlg.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "log_test_support.h"

using namespace testsupport;

namespace {

class StatusWindowTest : public logtest::LogPagesTest {
protected:
    void SetUp() override
    {
        LogPagesTest::SetUp();
        m_module = LoadLibraryA("RWFaxDlg.dll");
        ASSERT_NE(nullptr, m_module);
    }
    void TearDown() override
    {
        if (m_module)
            FreeLibrary(m_module);  // the status window goes with the module
        LogPagesTest::TearDown();
    }
    // The module's exports.
    void Show(SEND_FAX* job, FAXENGINE engine = 5)
    {
        LoadedLibraryCall<PFN_FaxDLL_ShowFaxStatus>("RWFaxDlg.dll", FAXDLL_EXPORT_NAME(FaxDLL_ShowFaxStatus, 12))(
            &m_host, engine, job);
    }
    static void Update(int code, int value)
    {
        LoadedLibraryCall<PFN_FaxDLL_UpdateFaxStatus>("RWFaxDlg.dll", FAXDLL_EXPORT_NAME(FaxDLL_UpdateFaxStatus, 12))(
            0, code, value);
    }
    static BOOL Hide()
    {
        return LoadedLibraryCall<PFN_FaxDLL_HideFaxStatus>("RWFaxDlg.dll", FAXDLL_EXPORT_NAME(FaxDLL_HideFaxStatus, 4))(0);
    }
    // The module's status window: the popup owned by the host window.
    HWND StatusWindow() const
    {
        for (HWND window = FindWindowExA(nullptr, nullptr, nullptr, "Fax Status"); window;
             window = FindWindowExA(nullptr, window, nullptr, "Fax Status"))
            if (GetWindow(window, GW_OWNER) == m_host.hWnd)
                return window;
        return nullptr;
    }
    // Name, company, fax, phone, subject, station id, status, speed, page, then the progress.
    std::vector<std::string> Fields() const
    {
        std::vector<std::string> texts;
        for (int id : {IDC_STATUS_NAME, IDC_STATUS_COMPANY, IDC_STATUS_FAX, IDC_STATUS_PHONE, IDC_STATUS_SUBJECT,
                       IDC_STATUS_STATIONID, IDC_STATUS_STATUS, IDC_STATUS_BAUD, IDC_STATUS_PAGE})
            texts.push_back(WindowText(GetDlgItem(StatusWindow(), id)));
        texts.push_back(std::to_string(SendDlgItemMessageA(StatusWindow(), IDC_STATUS_PROGRESS, PBM_GETPOS, 0, 0)));
        return texts;
    }

    HMODULE m_module = nullptr;
};

// The window only reads the texts of the record it is shown.
SEND_FAX Job(const char* name, const char* company = "", const char* fax = "", const char* phone = "",
             const char* subject = "")
{
    SEND_FAX job = {};
    job.szDestName = const_cast<char*>(name);
    job.szToCompany = const_cast<char*>(company);
    job.szDestFax = const_cast<char*>(fax);
    job.szDestPhone = const_cast<char*>(phone);
    job.szSubject = const_cast<char*>(subject);
    return job;
}

}  // namespace

TEST_F(StatusWindowTest, ShowsFillTheFieldsAndUpdatesChangeOneFieldEach)
{
    // Before the first show, updates and hiding do nothing.
    Update(FAXSTATUS_PAGE, 2);
    EXPECT_EQ(0, Hide());
    EXPECT_EQ(nullptr, StatusWindow());

    WriteRegistryString(HKEY_CURRENT_USER, kSettingsKey, "Sender Fax ID", "+1 425 555 0100");
    SEND_FAX job = Job("Ann Smith", "Acme", "9,5551212", "555-1313", "100% done & %s %d");
    Show(&job);
    HWND window = StatusWindow();
    ASSERT_NE(nullptr, window);
    EXPECT_TRUE(IsWindowVisible(window));
    std::vector<std::string> fields = {"Ann Smith",       "Acme", "9,5551212", "555-1313",
                                       "100% done & %s %d", "+1 425 555 0100", "Fax Modem Initializing...",
                                       "",                "",     "0"};
    EXPECT_EQ(fields, Fields());
    const struct {
        int code, value;
        size_t field;  // in Fields(); the others stay
        const char* text;
    } updates[] = {
        {FAXSTATUS_PAGE, 2, 8, "Page 2 of 0"},  // before any total
        {FAXSTATUS_TOTAL_PAGES, 5, 8, "Page 2 of 0"},  // the total alone changes no text
        {FAXSTATUS_PAGE, 2, 8, "Page 2 of 5"},
        {FAXSTATUS_BAUD_RATE, 14400, 7, "14400"},
        {FAXSTATUS_STATUS_TEXT, IDS_FAX_TRANSMIT_OK, 6, "Fax Transmission Successful."},
        {FAXSTATUS_PROGRESS, 40, 9, "40"},
        {99, 12345, 0, "Ann Smith"},  // unknown code
    };
    for (const auto& update : updates) {
        Update(update.code, update.value);
        fields[update.field] = update.text;
        EXPECT_EQ(fields, Fields()) << update.code << " " << update.value;
    }

    // Hidden and shown again: the same window, filled again for the new job, progress
    // back to 0; the previous job's total stays.
    EXPECT_NE(0, Hide());
    EXPECT_FALSE(IsWindowVisible(window));
    SEND_FAX second = Job("Second");
    Show(&second);
    EXPECT_EQ(window, StatusWindow());
    EXPECT_TRUE(IsWindowVisible(window));
    Update(FAXSTATUS_PAGE, 1);
    EXPECT_EQ((std::vector<std::string>{"Second", "", "", "", "", "+1 425 555 0100", "Fax Modem Initializing...", "",
                                        "Page 1 of 5", "0"}),
              Fields());
    // A null record leaves the texts empty.
    Show(nullptr);
    EXPECT_EQ((std::vector<std::string>{"", "", "", "", "", "", "", "", "", "0"}), Fields());
    // Destroyed by the host, the window is built again by the next show.
    DestroyWindow(window);
    Show(&second);
    window = StatusWindow();
    ASSERT_NE(nullptr, window);
    EXPECT_TRUE(IsWindowVisible(window));
    // Unloaded while shown, the module takes its window along; the next load starts over.
    Show(&second);
    ASSERT_TRUE(FreeLibrary(m_module));
    m_module = nullptr;
    EXPECT_EQ(nullptr, GetModuleHandleA("RWFaxDlg.dll"));
    EXPECT_FALSE(IsWindow(window));
    m_module = LoadLibraryA("RWFaxDlg.dll");
    Show(&second);
    EXPECT_NE(nullptr, StatusWindow());
}

TEST_F(StatusWindowTest, AbortCancelsTheJobOfTheLastShowAndHides)
{
    // Two waiting jobs; the window is shown for the first, then for the second.
    WriteJobs({logtest::At(logtest::Job(1, FAXLOG_WAITING), 2099, 1, 1),
               logtest::At(logtest::Job(2, FAXLOG_WAITING), 2099, 1, 1)});
    SEND_FAX first = Job("Ann"), second = Job("Ann");
    first.dwJobID = 1, second.dwJobID = 2;
    Show(&first, m_engine);
    Show(&second, m_engine);
    HWND window = StatusWindow();
    SendDlgItemMessageA(window, IDC_STATUS_ABORT, BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(IsWindow(window));
    SEND_FAX record;
    ASSERT_TRUE(EngineJob(2, record));
    EXPECT_EQ(FAXLOG_FAILED, record.nLogType);
    ASSERT_TRUE(EngineJob(1, record));
    EXPECT_EQ(FAXLOG_WAITING, record.nLogType);
}
