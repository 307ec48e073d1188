#pragma once
// The log pages as a host uses them: the stand-in engine with its store in a temporary
// folder (jobs written as the engine's own job files), a host window that records what the
// module asks of it and passes the engine's log events on to the open pages, the Fax Logs
// sheet created modeless, and helpers to read and drive its lists and buttons.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "RWFaxDlg.h"
#include "logs/fax_logs_sheet.h"
#include "res/resource.h"
#include "standins/engine/vovado32_standin.h"
#include "test_support.h"

namespace logtest {

// One entry of the engine's logs as a job file holds it.
struct LogJob {
    uint32_t id = 0;
    int kind = FAXLOG_SENT;
    int state = 3;
    int error = 0;
    int year = 2025, month = 3, day = 1, hour = 9, minute = 30, second = 0;
    std::string name = "Ann Archer";
    std::string fax = "555 0101";
    std::string company = "Archer & Sons";
    std::string fileList;  // empty: no document
    bool held = false;     // user text "On Hold"
    std::string cover;     // a cover page lets a job without document be sent
    int totalPages = 1;
};

// A job of this kind with the state and error the engine gives such a job, started then.
LogJob Job(uint32_t id, int kind, const std::string& name = "Ann Archer", const std::string& fileList = "");
LogJob At(LogJob job, int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
// A day and a time as the pages show them in the user's format.
std::string LocalDate(int year, int month, int day);
std::string LocalTime(int hour, int minute, int second);

// The send page's Resend, Reschedule, Hold, Release, Delete; the receive page's Forward, Delete.
inline const std::vector<int> kSendButtons = {IDC_SENDLOG_RESEND, IDC_SENDLOG_RESCHEDULE, IDC_SENDLOG_HOLD,
                                              IDC_SENDLOG_RELEASE, IDC_SENDLOG_DELETE};
inline const std::vector<int> kRecvButtons = {IDC_RECVLOG_FORWARD, IDC_RECVLOG_DELETE};

// A request the module sent the host window: the message and the path it pointed to.
using HostRequest = std::pair<UINT, std::string>;

// The texts of a message box the test answered.
struct AnsweredBox {
    std::string text;
    std::string caption;
};

class LogPagesTest : public testsupport::SettingsTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the jobs into the engine's store and has the engine read it again.
    void WriteJobs(const std::vector<LogJob>& jobs);
    // The module's and the engine's clock.
    void SetNow(int year, int month, int day, int hour, int minute, int second);
    // Gives the engine this many steps at most, fewer when it has nothing left to do; its
    // events reach the pages.
    void RunEngine(int steps = 100);

    // The sheet, created modeless; the send page is created when first shown.
    void OpenSheet()
    {
        m_sheet = std::make_unique<CFaxLogsSheet>(&m_host, m_engine);
        ASSERT_TRUE(m_sheet->Create(m_host.hWnd));
    }
    HWND RecvPage() { return m_sheet->SetActivePage(0), m_sheet->RecvLog().m_hWnd; }
    HWND SendPage() { return m_sheet->SetActivePage(1), m_sheet->SendLog().m_hWnd; }
    HWND List(HWND page) const { return GetDlgItem(page, IDC_LOG_LIST); }
    // Every row as its seven texts; one column of every row.
    std::vector<std::vector<std::string>> Rows(HWND page) const;
    std::vector<std::string> Column(HWND page, int column) const
    {
        std::vector<std::string> texts;
        for (const auto& row : Rows(page))
            texts.push_back(row[static_cast<size_t>(column)]);
        return texts;
    }
    // Selects exactly these rows, as clicks would.
    void SelectRows(HWND page, const std::vector<int>& rows) const;
    void Click(HWND page, int buttonId) const { SendMessageA(GetDlgItem(page, buttonId), BM_CLICK, 0, 0); }
    // The buttons' enabled states: 1 enabled, 0 not.
    std::string Buttons(HWND page, const std::vector<int>& ids) const
    {
        std::string state;
        for (int id : ids)
            state += IsWindowEnabled(GetDlgItem(page, id)) ? '1' : '0';
        return state;
    }
    // The engine reports a send-log entry changed, straight to the page.
    void ReportSendEntry(DWORD jobId, int kind, const char* name, const char* fileList = nullptr) const;
    // Clicks the button (double-clicks the row, as a real mouse would) and answers every
    // message box shown meanwhile: the first with `answer`, after `whileFirstOpen` ran, any
    // later one with OK. Returns the boxes.
    std::vector<AnsweredBox> ClickAnswering(HWND page, int buttonId, int answer,
                                            std::function<void()> whileFirstOpen = {});
    std::vector<AnsweredBox> DoubleClickAnswering(HWND page, int row);

    // The engine's calls that only the stand-in has.
    DWORD AddReceived(const char* name, const char* fax, const char* document, SHORT pages, DWORD flags);
    // The engine's copy of a job; false when it has none.
    bool EngineJob(DWORD jobId, SEND_FAX& record, std::string* userDefined = nullptr) const;
    // Those of the jobs the engine still has.
    std::vector<DWORD> Remaining(const std::vector<DWORD>& ids) const;

    std::string StoreFolder() const { return m_temp.File("engine"); }
    std::string Document(const std::string& name) const { return m_temp.File(name); }

    testsupport::TempFolder m_temp;
    FAXHOSTWND m_host = {};
    FAXENGINE m_engine = 0;
    std::vector<HostRequest> m_requests;
    std::unique_ptr<CFaxLogsSheet> m_sheet;

private:
    static LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

// Answers every message box that opens on this thread while alive and records it; runs
// `whileFirstOpen` while the first one is open, before answering it.
class BoxAnswerer {
public:
    explicit BoxAnswerer(int firstAnswer, std::function<void()> whileFirstOpen = {});
    ~BoxAnswerer();
    const std::vector<AnsweredBox>& Boxes() const { return m_boxes; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    HHOOK m_hook;
    int m_firstAnswer;
    std::function<void()> m_whileFirstOpen;
    std::vector<AnsweredBox> m_boxes;
};

}  // namespace logtest
