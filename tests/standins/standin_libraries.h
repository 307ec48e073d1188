#pragma once
// The stand-in libraries as a host loads them: at run time, by name, every call looked up
// with GetProcAddress under its plain name. Loading and freeing them is a real reload.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "standins/engine/vovado32_standin.h"
#include "standins/phonebook/redizazu_standin.h"

namespace standintest {

class Library {
public:
    explicit Library(const char* name);
    ~Library();
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
    HMODULE Handle() const { return m_module; }
    void* Proc(const char* name) const;
    template <typename F>
    F Get(const char* name) const
    {
        return reinterpret_cast<F>(Proc(name));
    }

private:
    HMODULE m_module;
};

#define STANDIN_CALL(library, name) decltype(&::name) name = (library).Get<decltype(&::name)>(#name)

// Every call of the fax engine.
struct EngineCalls {
    explicit EngineCalls(const Library& engine);
    bool AllFound() const;

    const Library& library;
    STANDIN_CALL(library, FaxInitSendStruct);
    STANDIN_CALL(library, FaxSchedule);
    STANDIN_CALL(library, FaxLogInit);
    STANDIN_CALL(library, FaxLogGetCount);
    STANDIN_CALL(library, FaxLogNextBlock);
    STANDIN_CALL(library, FaxLogFind);
    STANDIN_CALL(library, FaxLogDelete);
    STANDIN_CALL(library, FaxCancel);
    STANDIN_CALL(library, FaxCreate);
    STANDIN_CALL(library, FaxEnumDevices);
    STANDIN_CALL(library, FaxAddDevice);
    STANDIN_CALL(library, FaxRemoveDevice);
    STANDIN_CALL(library, FaxSetConfig);
    STANDIN_CALL(library, FaxStandInOpen);
    STANDIN_CALL(library, FaxStandInClose);
    STANDIN_CALL(library, FaxStandInTick);
    STANDIN_CALL(library, FaxStandInSetStoreFolder);
    STANDIN_CALL(library, FaxStandInGetStoreFolder);
    STANDIN_CALL(library, FaxStandInSetClock);
    STANDIN_CALL(library, FaxStandInAddReceived);
    STANDIN_CALL(library, FaxStandInRefuseNextSchedule);
    STANDIN_CALL(library, FaxStandInFailNextTransmission);
    STANDIN_CALL(library, FaxStandInScheduledCount);
    STANDIN_CALL(library, FaxStandInGetScheduled);
    STANDIN_CALL(library, FaxStandInClearScheduled);
    STANDIN_CALL(library, FaxStandInSetDevices);
    STANDIN_CALL(library, FaxStandInGetActiveDevices);
    STANDIN_CALL(library, FaxStandInGetConfig);
    STANDIN_CALL(library, FaxStandInCallCount);
};

// Every call of the phonebook library.
struct PhoneBookCalls {
    explicit PhoneBookCalls(const Library& phonebook);
    bool AllFound() const;

    const Library& library;
    STANDIN_CALL(library, EditPhoneBookDlg);
    STANDIN_CALL(library, GetNextPhoneBookID);
    STANDIN_CALL(library, GetPhoneBookData);
    STANDIN_CALL(library, GetNextPhoneBookEntryID);
    STANDIN_CALL(library, GetPhoneBookEntryData);
    STANDIN_CALL(library, EditPhoneBookEntryDlg);
    STANDIN_CALL(library, PhoneBookStandInSetStoreFolder);
    STANDIN_CALL(library, PhoneBookStandInGetStoreFolder);
};

// What a host window received from the engine, one line per event.
struct RecordedEvent {
    DWORD kind = 0;
    DWORD code = 0;
    DWORD detail = 0;
    DWORD jobId = 0;
    SHORT logType = 0;
    std::string destName;
};

// A hidden window that records the engine's events.
class EventWindow {
public:
    static constexpr UINT kMessage = WM_APP + 0x321;
    EventWindow();
    ~EventWindow();
    HWND Handle() const { return m_hWnd; }
    std::vector<RecordedEvent> Take();

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND m_hWnd = nullptr;
    std::vector<RecordedEvent> m_events;
};

// A record as the module fills it before FaxSchedule: initialised by the engine, then the
// recipient, the document and a start time.
struct JobTexts {
    std::string name;
    std::string fax;
    std::string company;
    std::string subject;
    std::string document;
    std::string cover;
    std::string comments;
};
SEND_FAX FilledJob(const EngineCalls& engine, FAXENGINE handle, const JobTexts& texts,
                   const SYSTEMTIME& start);

// Reads a whole log through FaxLogInit, FaxLogGetCount and FaxLogNextBlock the way the
// module does, checking every block's shape on the way. blockSizes and results receive
// the count and result of each FaxLogNextBlock call.
struct LogEntry {
    DWORD jobId = 0;
    SHORT logType = 0;
    uint16_t state = 0;
    uint16_t error = 0;
    int16_t totalPages = 0;
    int16_t receivedPages = 0;
    bool hasUserDefined = false;
    std::string userDefined;
    std::string destName, destFax, toCompany, subject, fileList, comments;
    SYSTEMTIME start = {};
};
std::vector<LogEntry> ReadLog(const EngineCalls& engine, FAXENGINE handle, SHORT logType,
                              std::vector<SHORT>* blockSizes = nullptr, std::vector<SHORT>* results = nullptr);
LogEntry EntryOf(const SEND_FAX& record);

SYSTEMTIME LocalTime(int year, int month, int day, int hour, int minute, int second);

}  // namespace standintest
