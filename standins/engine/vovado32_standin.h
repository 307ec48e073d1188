/* VOVADO32.dll, the fax engine built by this project in place of the suite's engine, so that
 * the fax module, its tests and the demo host run without the suite. It exports the calls
 * of engine/fax_engine.h, which behave as the module relies on, and the calls below, which
 * only this engine has: how a host opens it and gives it time, and how tests and the demo
 * host steer it.
 *
 * Store. Everything the engine keeps lives in one folder:
 *   Engine.ini            next job identifier, fax devices in use, FaxSetConfig values
 *   Jobs\J00000017.job    one text file per job or received fax (format: job_record.h)
 *   Received\R00000017.tif  the documents of received faxes, in the engine's "FF" form
 * The folder is, in this order of precedence: the one given to FaxStandInSetStoreFolder;
 * the environment variable RWFAX_ENGINE_STORE when the engine starts (its first call after
 * loading); "<application data>\Velmoor\Fax Engine" of the current user. Files that cannot
 * be read as jobs are left alone and not listed.
 *
 * Handles. A host opens the engine with FaxStandInOpen and passes the handle to every call.
 * The engine calls refuse a handle that is not open (0 and the failure results of
 * fax_engine.h).
 *
 * Time and events. The engine works only when the host gives it time by calling
 * FaxStandInTick (from a timer, or in a loop while it returns nonzero). Each call first
 * does one step of work, then sends every event that is waiting to the windows of the open
 * handles, with SendMessage(window, message, kind, (LPARAM)&event):
 *   - a waiting job (log kind 1) whose start time has come starts: it moves to log kind 2,
 *     the host is asked to show the status window and gets the status codes 1 (text 30258
 *     "Fax Modem Initializing...") and 4 (total pages);
 *   - the next step connects: code 0 (baud rate 14400), or, when the call fails (a fax
 *     number with fewer than three digits, or FaxStandInFailNextTransmission), code 1 with
 *     2507, hide, and the job moves to log kind 8 with nError 1;
 *   - one step per page: code 2 (page number) and code 3 (progress 0..100); with a pace
 *     set (FaxStandInSetPace) dialling and each page take several steps, each page
 *     reporting its progress at every step;
 *   - the last step: code 1 with 30290, hide, and the job moves to log kind 4.
 * A job with no readable document and no cover page fails at its start with nError 2.
 * A reception in progress gains one page per step and completes after its last page.
 * FaxLogInit opens the in-transmission log (kind 2) with the result 0 while a transmission
 * is under way, 1 otherwise. FaxLogDelete deletes an entry only from the log kind it is in.
 * Log changes go out as FAXEVENT_SEND_LOG or FAXEVENT_RECEIVE_LOG with the change codes 3
 * (entry added or changed) and 4 (removed), also for what FaxSchedule, FaxLogDelete and
 * FaxCancel did since the last tick. The host passes each event on to the module:
 * FaxDLL_ShowFaxStatus, FaxDLL_UpdateFaxStatus, FaxDLL_HideFaxStatus, FaxDLL_NotifySendLog,
 * FaxDLL_NotifyReceiveLog. The record of a show event stays valid until the hide event of
 * the same transmission; every other record only while the message is handled.
 *
 * All calls belong to one thread, the host's user-interface thread. */
#ifndef RWFAX_VOVADO32_STANDIN_H
#define RWFAX_VOVADO32_STANDIN_H

#include "engine/fax_engine.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Event kinds, the wParam of the host's message. */
#define FAXEVENT_SHOW_STATUS    1   /* pRecord: the job being sent */
#define FAXEVENT_UPDATE_STATUS  2   /* dwCode 0..4 and dwDetail, as FaxDLL_UpdateFaxStatus */
#define FAXEVENT_HIDE_STATUS    3
#define FAXEVENT_SEND_LOG       4   /* pRecord and dwCode 3 or 4, as FaxDLL_NotifySendLog */
#define FAXEVENT_RECEIVE_LOG    5   /* pRecord and dwCode 3 or 4, as FaxDLL_NotifyReceiveLog */

/* Change codes of log events. */
#define FAXLOG_ENTRY_UPDATED    3   /* entry added or changed */
#define FAXLOG_ENTRY_REMOVED    4

/* Status codes of FAXEVENT_UPDATE_STATUS. */
#define FAXENGINE_STATUS_BAUD_RATE    0
#define FAXENGINE_STATUS_TEXT         1   /* dwDetail: number of the module's string */
#define FAXENGINE_STATUS_PAGE         2
#define FAXENGINE_STATUS_PROGRESS     3   /* 0..100 */
#define FAXENGINE_STATUS_TOTAL_PAGES  4

typedef struct FAXENGINE_EVENT {
    DWORD dwKind;
    SEND_FAX* pRecord;
    DWORD dwCode;
    DWORD dwDetail;
} FAXENGINE_EVENT;

/* FaxStandInAddReceived flags. */
#define FAXRECEIVE_IN_PROGRESS  1   /* a reception still running (nState 23) */
#define FAXRECEIVE_FAILED       2   /* a reception that broke off (nError set) */

/* Opens the engine for a host. Events go to hNotifyWnd as uMessage (no events without a
 * window). Returns the handle, never 0. */
VOVADO32_API FAXENGINE WINAPI FaxStandInOpen(HWND hNotifyWnd, UINT uMessage);
VOVADO32_API DWORD WINAPI FaxStandInClose(FAXENGINE hFaxEngine);
/* Does one step of work and sends the waiting events; nonzero while more work is waiting
 * (a transmission or reception under way, a job due, events not yet sent). */
VOVADO32_API DWORD WINAPI FaxStandInTick(FAXENGINE hFaxEngine);

/* Uses another store folder from now on (null: the default), reading what it holds. */
VOVADO32_API DWORD WINAPI FaxStandInSetStoreFolder(const char* pszFolder);
/* The store folder in use; returns its length, 0 when the buffer is too small. */
VOVADO32_API DWORD WINAPI FaxStandInGetStoreFolder(char* pszFolder, DWORD cchFolder);
/* The engine's clock for start times and receptions; null returns to the system's local time. */
VOVADO32_API void WINAPI FaxStandInSetClock(const SYSTEMTIME* pNow);

/* Records a received fax under the current clock time and returns its job identifier (0
 * when the document cannot be read as a TIFF). The document, when given, is kept in the
 * store in the engine's form; without one the fax has nPages pages. */
VOVADO32_API DWORD WINAPI FaxStandInAddReceived(FAXENGINE hFaxEngine, const char* pszSenderName,
                                                const char* pszSenderFax, const char* pszDocument,
                                                SHORT nPages, DWORD dwFlags);
/* The next FaxSchedule refuses its job. */
VOVADO32_API void WINAPI FaxStandInRefuseNextSchedule(void);
/* The next transmission to connect fails. */
VOVADO32_API void WINAPI FaxStandInFailNextTransmission(void);
/* Stretches calls over several ticks, so that a host can pace them: dialling lasts
 * dwDialTicks ticks, each page sent or received dwPageTicks ticks, with a progress update
 * (code 3) at every tick of a page. 1 and 1, one step per tick, is the default; 0 counts as 1. */
VOVADO32_API void WINAPI FaxStandInSetPace(DWORD dwDialTicks, DWORD dwPageTicks);
/* The jobs FaxSchedule accepted since loading (or the last clear), in order: their number,
 * and a copy of one as the engine took it over (a global-memory record like FaxLogFind's). */
VOVADO32_API DWORD WINAPI FaxStandInScheduledCount(void);
VOVADO32_API DWORD WINAPI FaxStandInGetScheduled(DWORD dwIndex, SEND_FAX** ppRecord);
VOVADO32_API void WINAPI FaxStandInClearScheduled(void);
/* The ports FaxAddDevice accepts; a count of 0 accepts every port (the default). */
VOVADO32_API void WINAPI FaxStandInSetDevices(const DWORD* pdwPorts, DWORD dwCount);
/* The ports of the devices in use; returns their number (all of them, even when more than
 * dwMax). */
VOVADO32_API DWORD WINAPI FaxStandInGetActiveDevices(DWORD* pdwPorts, DWORD dwMax);
/* A value set with FaxSetConfig; returns its length, 0 when it was never set or does not
 * fit with its terminator. */
VOVADO32_API DWORD WINAPI FaxStandInGetConfig(const char* pszKey, char* pszValue, DWORD cchValue);
/* How often an engine call (by its name, "FaxSchedule") was made since loading. */
VOVADO32_API DWORD WINAPI FaxStandInCallCount(const char* pszCall);
/* Forgets every job and keeps jobs only in memory from now on, writing no files, until
 * FaxStandInSetStoreFolder names a store again. For logs of many entries. */
VOVADO32_API void WINAPI FaxStandInHoldInMemory(void);
/* Adds an entry to the log of the record's nLogType as the record describes it (texts,
 * start time, nState, nError, nTotPages, nRcvPages) under a new job identifier, which it
 * returns (0 for an unknown kind). The hosts are not told. */
VOVADO32_API DWORD WINAPI FaxStandInAddLogEntry(FAXENGINE hFaxEngine, const SEND_FAX* pRecord);
/* Nonzero: FaxLogNextBlock never ends a log but starts it over after its last block, as a
 * broken engine might. */
VOVADO32_API void WINAPI FaxStandInNeverEndLogs(DWORD dwOn);

#ifdef __cplusplus
}  /* extern "C" */
#endif

#endif /* RWFAX_VOVADO32_STANDIN_H */
