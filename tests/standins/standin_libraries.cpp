#include "standin_libraries.h"

#include <cstring>

#include "engine/engine_memory.h"

namespace standintest {

Library::Library(const char* name) : m_module(LoadLibraryA(name)) {}

Library::~Library()
{
    if (m_module)
        FreeLibrary(m_module);
}

void* Library::Proc(const char* name) const
{
    return m_module ? reinterpret_cast<void*>(GetProcAddress(m_module, name)) : nullptr;
}

EngineCalls::EngineCalls(const Library& engine) : library(engine) {}

bool EngineCalls::AllFound() const
{
    const void* calls[] = {
        reinterpret_cast<const void*>(FaxInitSendStruct),          reinterpret_cast<const void*>(FaxSchedule),
        reinterpret_cast<const void*>(FaxLogInit),                 reinterpret_cast<const void*>(FaxLogGetCount),
        reinterpret_cast<const void*>(FaxLogNextBlock),            reinterpret_cast<const void*>(FaxLogFind),
        reinterpret_cast<const void*>(FaxLogDelete),               reinterpret_cast<const void*>(FaxCancel),
        reinterpret_cast<const void*>(FaxCreate),                  reinterpret_cast<const void*>(FaxEnumDevices),
        reinterpret_cast<const void*>(FaxAddDevice),               reinterpret_cast<const void*>(FaxRemoveDevice),
        reinterpret_cast<const void*>(FaxSetConfig),               reinterpret_cast<const void*>(FaxStandInOpen),
        reinterpret_cast<const void*>(FaxStandInClose),            reinterpret_cast<const void*>(FaxStandInTick),
        reinterpret_cast<const void*>(FaxStandInSetStoreFolder),   reinterpret_cast<const void*>(FaxStandInGetStoreFolder),
        reinterpret_cast<const void*>(FaxStandInSetClock),         reinterpret_cast<const void*>(FaxStandInAddReceived),
        reinterpret_cast<const void*>(FaxStandInRefuseNextSchedule), reinterpret_cast<const void*>(FaxStandInFailNextTransmission),
        reinterpret_cast<const void*>(FaxStandInScheduledCount),   reinterpret_cast<const void*>(FaxStandInGetScheduled),
        reinterpret_cast<const void*>(FaxStandInClearScheduled),   reinterpret_cast<const void*>(FaxStandInSetDevices),
        reinterpret_cast<const void*>(FaxStandInGetActiveDevices), reinterpret_cast<const void*>(FaxStandInGetConfig),
        reinterpret_cast<const void*>(FaxStandInCallCount),
    };
    for (const void* call : calls)
        if (!call)
            return false;
    return true;
}

PhoneBookCalls::PhoneBookCalls(const Library& phonebook) : library(phonebook) {}

bool PhoneBookCalls::AllFound() const
{
    return EditPhoneBookDlg && GetNextPhoneBookID && GetPhoneBookData && GetNextPhoneBookEntryID &&
           GetPhoneBookEntryData && EditPhoneBookEntryDlg && PhoneBookStandInSetStoreFolder &&
           PhoneBookStandInGetStoreFolder;
}

namespace {
const char kEventWindowClass[] = "RWFaxTestEngineEvents";
}

EventWindow::EventWindow()
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = &EventWindow::Proc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kEventWindowClass;
    RegisterClassA(&windowClass);
    m_hWnd = CreateWindowA(kEventWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr), this);
    SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

EventWindow::~EventWindow()
{
    if (m_hWnd)
        DestroyWindow(m_hWnd);
}

std::vector<RecordedEvent> EventWindow::Take()
{
    std::vector<RecordedEvent> events;
    events.swap(m_events);
    return events;
}

LRESULT CALLBACK EventWindow::Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<EventWindow*>(GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    if (message != kMessage || !self)
        return DefWindowProcA(hWnd, message, wParam, lParam);
    const auto* event = reinterpret_cast<const FAXENGINE_EVENT*>(lParam);
    RecordedEvent recorded;
    recorded.kind = static_cast<DWORD>(wParam);
    recorded.code = event->dwCode;
    recorded.detail = event->dwDetail;
    if (event->pRecord) {
        recorded.jobId = event->pRecord->dwJobID;
        recorded.logType = event->pRecord->nLogType;
        recorded.destName = event->pRecord->szDestName ? event->pRecord->szDestName : "";
    }
    self->m_events.push_back(recorded);
    return 0;
}

SEND_FAX FilledJob(const EngineCalls& engine, FAXENGINE handle, const JobTexts& texts, const SYSTEMTIME& start)
{
    SEND_FAX job = {};
    engine.FaxInitSendStruct(handle, &job);
    job.szDestName = const_cast<char*>(texts.name.c_str());
    job.szDestFax = const_cast<char*>(texts.fax.c_str());
    job.szToCompany = const_cast<char*>(texts.company.c_str());
    job.szSubject = const_cast<char*>(texts.subject.c_str());
    job.szFileList = const_cast<char*>(texts.document.c_str());
    job.szCover = const_cast<char*>(texts.cover.c_str());
    job.szComments = const_cast<char*>(texts.comments.c_str());
    job.nYear = static_cast<int16_t>(start.wYear);
    job.nMonth = static_cast<int16_t>(start.wMonth);
    job.nDay = static_cast<int16_t>(start.wDay);
    job.nHour = static_cast<int16_t>(start.wHour);
    job.nMinute = static_cast<int16_t>(start.wMinute);
    job.nSecond = static_cast<int16_t>(start.wSecond);
    return job;
}

LogEntry EntryOf(const SEND_FAX& record)
{
    auto text = [](const char* p) { return p ? std::string(p) : std::string(); };
    LogEntry entry;
    entry.jobId = record.dwJobID;
    entry.logType = record.nLogType;
    entry.state = record.nState;
    entry.error = record.nError;
    entry.totalPages = record.nTotPages;
    entry.receivedPages = record.nRcvPages;
    entry.hasUserDefined = record.szUserDefined != nullptr;
    entry.userDefined = text(record.szUserDefined);
    entry.destName = text(record.szDestName);
    entry.destFax = text(record.szDestFax);
    entry.toCompany = text(record.szToCompany);
    entry.subject = text(record.szSubject);
    entry.fileList = text(record.szFileList);
    entry.comments = text(record.szComments);
    entry.start = LocalTime(record.nYear, record.nMonth, record.nDay, record.nHour, record.nMinute, record.nSecond);
    return entry;
}

namespace {
// Every text of a record lies inside the record's own stretch of the block.
void ExpectTextsInside(const SEND_FAX* record)
{
    const char* begin = reinterpret_cast<const char*>(record);
    const char* end = begin + record->nRecLength;
    const char* texts[] = {record->szDestName,  record->szDestFax,     record->szDestPhone, record->szSubject,
                           record->szFromLine,  record->szBanner,      record->szCover,     record->szComments,
                           record->szFromCompany, record->szToCompany, record->szFromFax,   record->szFromPhone,
                           record->szUserDefined, record->szFileList};
    for (const char* text : texts) {
        if (!text)
            continue;
        EXPECT_GE(text, begin + sizeof(SEND_FAX));
        EXPECT_LT(text + std::strlen(text), end) << "text runs past the record";
    }
}
}  // namespace

std::vector<LogEntry> ReadLog(const EngineCalls& engine, FAXENGINE handle, SHORT logType, std::vector<SHORT>* blockSizes,
                              std::vector<SHORT>* results)
{
    std::vector<LogEntry> entries;
    SHORT opened = engine.FaxLogInit(handle, logType);
    if (opened < 1 || opened >= FAXLOG_INIT_FIRST_FAILURE)
        return entries;
    if (engine.FaxLogGetCount(handle, logType) < 1)
        return entries;
    for (;;) {
        SEND_FAX* block = nullptr;
        SHORT count = FAXLOG_BLOCK_ENTRIES;
        SHORT result = engine.FaxLogNextBlock(handle, &block, &count);
        if (blockSizes)
            blockSizes->push_back(count);
        if (results)
            results->push_back(result);
        if (count == 0 || !block)
            break;
        EXPECT_LE(count, FAXLOG_BLOCK_ENTRIES);
        size_t blockBytes = GlobalSize(GlobalHandle(block));
        const char* at = reinterpret_cast<const char*>(block);
        for (SHORT i = 0; i < count; ++i) {
            const auto* record = reinterpret_cast<const SEND_FAX*>(at);
            EXPECT_GE(record->nRecLength, sizeof(SEND_FAX));
            ExpectTextsInside(record);
            entries.push_back(EntryOf(*record));
            at += record->nRecLength;
        }
        // The record after the last one ends the block and is still inside it.
        EXPECT_LE(static_cast<size_t>(at - reinterpret_cast<const char*>(block)) + sizeof(SEND_FAX), blockBytes);
        EXPECT_EQ(0u, reinterpret_cast<const SEND_FAX*>(at)->dwJobID);
        FreeEngineMemory(block);
        if (result != FAXLOG_MORE_BLOCKS)
            break;
    }
    return entries;
}

SYSTEMTIME LocalTime(int year, int month, int day, int hour, int minute, int second)
{
    SYSTEMTIME time = {};
    time.wYear = static_cast<WORD>(year);
    time.wMonth = static_cast<WORD>(month);
    time.wDay = static_cast<WORD>(day);
    time.wHour = static_cast<WORD>(hour);
    time.wMinute = static_cast<WORD>(minute);
    time.wSecond = static_cast<WORD>(second);
    return time;
}

}  // namespace standintest
