#include "log_test_support.h"

#include <commctrl.h>

#include <cstdio>

#include "engine/engine_memory.h"
#include "host/fax_app.h"
#include "host/fax_folders.h"
#include "locale_support.h"
#include "send/locale_date_time.h"
#include "send/send_schedule.h"

using namespace testsupport;

namespace logtest {
namespace {

constexpr UINT kEngineMessage = WM_APP + 17;
constexpr char kHostClass[] = "RWFaxLogTestHost";

template <typename T>
T EngineCall(const char* name)
{
    return LoadedLibraryCall<T>("VOVADO32.dll", name);
}

SYSTEMTIME g_now;
SYSTEMTIME FixedNow() { return g_now; }

std::string JobFileText(const LogJob& job)
{
    char start[32];
    std::snprintf(start, sizeof start, "%04d-%02d-%02d %02d:%02d:%02d", job.year, job.month, job.day, job.hour,
                  job.minute, job.second);
    std::string text = "[Job]\r\n";
    auto line = [&](const char* key, const std::string& value) {
        if (!value.empty())
            text += std::string(key) + "=" + value + "\r\n";
    };
    line("JobID", std::to_string(job.id));
    line("LogType", std::to_string(job.kind));
    line("State", std::to_string(job.state));
    line("Error", std::to_string(job.error));
    line("Start", start);
    line("TotalPages", std::to_string(job.totalPages));
    line("ReceivedPages", "0");
    line("DestName", job.name);
    line("DestFax", job.fax);
    line("ToCompany", job.company);
    line("FileList", job.fileList);
    line("UserDefined", job.held ? "On Hold" : "");
    line("Cover", job.cover);
    return text;
}

thread_local BoxAnswerer* t_answerer = nullptr;
}  // namespace

LogJob Job(uint32_t id, int kind, const std::string& name, const std::string& fileList)
{
    LogJob job;
    job.id = id;
    job.kind = kind;
    job.state = kind == FAXLOG_WAITING ? 1 : 3;
    job.error = kind == FAXLOG_FAILED ? 1 : 0;
    job.name = name;
    job.fileList = fileList;
    return job;
}

LogJob At(LogJob job, int year, int month, int day, int hour, int minute, int second)
{
    job.year = year, job.month = month, job.day = day, job.hour = hour, job.minute = minute, job.second = second;
    return job;
}

std::string LocalDate(int year, int month, int day)
{
    const SYSTEMTIME date = MakeTime(WORD(year), WORD(month), WORD(day));
    char text[80] = {};
    FormatLocalDate(&date, nullptr, text, sizeof text);
    return text;
}

std::string LocalTime(int hour, int minute, int second)
{
    const SYSTEMTIME time = MakeTime(2025, 1, 1, WORD(hour), WORD(minute), WORD(second));
    char text[80] = {};
    FormatLocalTime(&time, text, sizeof text);
    return text;
}

LRESULT CALLBACK LogPagesTest::HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<LogPagesTest*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && (message == WM_FAXDOC_REMOVED || message == WM_FAXDOC_VIEW)) {
        self->m_requests.emplace_back(message, lParam ? reinterpret_cast<const char*>(lParam) : "<null>");
        return 0;
    }
    if (message == kEngineMessage) {
        // As a host does: log events go to the open pages.
        const auto* event = reinterpret_cast<const FAXENGINE_EVENT*>(lParam);
        if (wParam == FAXEVENT_SEND_LOG && g_pSendLogPage)
            g_pSendLogPage->OnLogChanged(event->pRecord, event->dwCode);
        if (wParam == FAXEVENT_RECEIVE_LOG && g_pRecvLogPage)
            g_pRecvLogPage->OnLogChanged(event->pRecord, event->dwCode);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void LogPagesTest::SetUp()
{
    SettingsTest::SetUp();
    ComputeFaxFolderPaths();
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = &LogPagesTest::HostProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kHostClass;
    RegisterClassA(&windowClass);
    m_host = FrameworkWindowObject(CreateWindowA(kHostClass, "Host", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                                                 nullptr, GetModuleHandleA(nullptr), nullptr));
    ASSERT_NE(nullptr, m_host.hWnd);
    SetWindowLongPtrA(m_host.hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    CreateDirectoryA(StoreFolder().c_str(), nullptr);
    SetNow(2025, 3, 10, 12, 0, 0);
    ASSERT_NE(0u, EngineCall<DWORD(WINAPI*)(const char*)>("FaxStandInSetStoreFolder")(StoreFolder().c_str()));
    m_engine = EngineCall<FAXENGINE(WINAPI*)(HWND, UINT)>("FaxStandInOpen")(m_host.hWnd, kEngineMessage);
    g_bNotifyOnCompletion = 0;
}

void LogPagesTest::TearDown()
{
    m_sheet.reset();
    EngineCall<DWORD(WINAPI*)(FAXENGINE)>("FaxStandInClose")(m_engine);
    EngineCall<DWORD(WINAPI*)(const char*)>("FaxStandInSetStoreFolder")(nullptr);
    EngineCall<void(WINAPI*)(const SYSTEMTIME*)>("FaxStandInSetClock")(nullptr);
    SetSendClock(nullptr);
    g_bNotifyOnCompletion = 0;
    DestroyWindow(m_host.hWnd);
    SettingsTest::TearDown();
}

void LogPagesTest::WriteJobs(const std::vector<LogJob>& jobs)
{
    const std::string folder = StoreFolder() + "\\Jobs";
    CreateDirectoryA(folder.c_str(), nullptr);
    for (const LogJob& job : jobs) {
        char name[32];
        std::snprintf(name, sizeof name, "\\J%08u.job", static_cast<unsigned>(job.id));
        ASSERT_TRUE(WriteFileBytes(folder + name, JobFileText(job)));
    }
    ASSERT_NE(0u, EngineCall<DWORD(WINAPI*)(const char*)>("FaxStandInSetStoreFolder")(StoreFolder().c_str()));
}

void LogPagesTest::SetNow(int year, int month, int day, int hour, int minute, int second)
{
    g_now = MakeTime(WORD(year), WORD(month), WORD(day), WORD(hour), WORD(minute), WORD(second));
    SetSendClock(&FixedNow);
    EngineCall<void(WINAPI*)(const SYSTEMTIME*)>("FaxStandInSetClock")(&g_now);
}

void LogPagesTest::RunEngine(int steps)
{
    auto tick = EngineCall<DWORD(WINAPI*)(FAXENGINE)>("FaxStandInTick");
    for (int step = 0; step < steps && tick(m_engine); ++step) {
    }
}

std::vector<std::vector<std::string>> LogPagesTest::Rows(HWND page) const
{
    std::vector<std::vector<std::string>> rows(static_cast<size_t>(ListView_GetItemCount(List(page))));
    std::vector<char> text(8192);
    for (size_t row = 0; row < rows.size(); ++row)
        for (int column = 0; column < 7; ++column) {
            text[0] = 0;
            ListView_GetItemText(List(page), static_cast<int>(row), column, text.data(), 8192);
            rows[row].push_back(text.data());
        }
    return rows;
}

void LogPagesTest::SelectRows(HWND page, const std::vector<int>& rows) const
{
    ListView_SetItemState(List(page), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    for (int row : rows)
        ListView_SetItemState(List(page), row, LVIS_SELECTED, LVIS_SELECTED);
}

void LogPagesTest::ReportSendEntry(DWORD jobId, int kind, const char* name, const char* fileList) const
{
    SEND_FAX record = {};
    record.dwJobID = jobId;
    record.nLogType = static_cast<int16_t>(kind);
    record.szDestName = const_cast<char*>(name);
    record.szFileList = const_cast<char*>(fileList);
    g_pSendLogPage->OnLogChanged(&record, FAXLOG_CHANGE_UPDATED);
}

std::vector<AnsweredBox> LogPagesTest::ClickAnswering(HWND page, int buttonId, int answer,
                                                       std::function<void()> whileFirstOpen)
{
    BoxAnswerer answerer(answer, std::move(whileFirstOpen));
    Click(page, buttonId);
    return answerer.Boxes();
}

std::vector<AnsweredBox> LogPagesTest::DoubleClickAnswering(HWND page, int row)
{
    BoxAnswerer answerer(IDOK);
    HWND list = List(page);
    RECT rect = {};
    ListView_EnsureVisible(list, row, FALSE);
    ListView_GetItemRect(list, row, &rect, LVIR_LABEL);
    LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        SendMessageA(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
    return answerer.Boxes();
}

DWORD LogPagesTest::AddReceived(const char* name, const char* fax, const char* document, SHORT pages, DWORD flags)
{
    return EngineCall<DWORD(WINAPI*)(FAXENGINE, const char*, const char*, const char*, SHORT, DWORD)>(
        "FaxStandInAddReceived")(m_engine, name, fax, document, pages, flags);
}

bool LogPagesTest::EngineJob(DWORD jobId, SEND_FAX& record, std::string* userDefined) const
{
    CEngineMemory<SEND_FAX> found;
    if (FaxLogFind(m_engine, found.Receive(), jobId) != FAXENGINE_OK || !found)
        return false;
    record = *found.Get();
    if (userDefined)
        *userDefined = found->szUserDefined ? found->szUserDefined : "<null>";
    // The texts live in the engine's block, which goes now.
    record.szDestName = record.szDestFax = record.szToCompany = record.szUserDefined = record.szFileList = nullptr;
    return true;
}

std::vector<DWORD> LogPagesTest::Remaining(const std::vector<DWORD>& ids) const
{
    std::vector<DWORD> left;
    SEND_FAX record;
    for (DWORD id : ids)
        if (EngineJob(id, record))
            left.push_back(id);
    return left;
}

BoxAnswerer::BoxAnswerer(int firstAnswer, std::function<void()> whileFirstOpen)
    : m_firstAnswer(firstAnswer), m_whileFirstOpen(std::move(whileFirstOpen))
{
    t_answerer = this;
    m_hook = SetWindowsHookExA(WH_CBT, &BoxAnswerer::Hook, nullptr, GetCurrentThreadId());
}

BoxAnswerer::~BoxAnswerer()
{
    UnhookWindowsHookEx(m_hook);
    t_answerer = nullptr;
}

LRESULT CALLBACK BoxAnswerer::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    BoxAnswerer* self = t_answerer;
    HWND window = reinterpret_cast<HWND>(wParam);
    // Only message boxes have the static text 0xFFFF; the sheet and its pages do not.
    if (code == HCBT_ACTIVATE && self && GetDlgItem(window, 0xFFFF)) {
        const int answer = self->m_boxes.empty() ? self->m_firstAnswer : IDOK;
        if (self->m_boxes.empty() && self->m_whileFirstOpen)
            self->m_whileFirstOpen();
        self->m_boxes.push_back({MessageBoxText(window), WindowText(window)});
        PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(answer), 0);
    }
    return CallNextHookEx(self ? self->m_hook : nullptr, code, wParam, lParam);
}

}  // namespace logtest
