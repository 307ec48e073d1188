/* RWFaxDlg.dll: the fax user interface of the suite, for host applications.
 *
 * A host loads the module and calls these exports on its user-interface thread: to send a
 * fax, to show the progress of a transmission, to pass on the fax engine's log changes, to
 * open the fax logs, the fax setup and the phonebooks. The module talks to the fax engine
 * (VOVADO32.dll) with the engine handle the host passes in, and to the phonebook library
 * (ReDiZazu.dll).
 *
 * All FaxDLL_ functions use the standard Windows calling convention; the 32-bit module
 * exports them decorated (_FaxDLL_OnSendFax@12), the 64-bit module under their plain names. */
#ifndef RWFAXDLG_H
#define RWFAXDLG_H

#include <windows.h>

#include "SendFax.h"

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Host contract ---------------------------------------------------------------------
 *
 * Window object. pHostWnd points to the host's window object as the shared application
 * framework (MFC 4.2, MFC42.DLL) lays out a CWnd: the object's virtual table, the six words
 * of its command-target part, then the window handle, at byte 28 in 32-bit. The figure
 * comes from the published descriptions of that framework's class hierarchy: the data
 * members CWnd inherits from CCmdTarget, in declaration order and one word each, are
 * m_dwRef, m_pOuterUnknown, m_xInnerUnknown, m_xDispatch, m_bResultExpected and
 * m_xConnPtContainer; CWnd's own first member is m_hWnd, followed by m_hWndOwner.
 * A host without the framework fills a FAXHOSTWND: the reserved words may be 0. The 64-bit
 * module reads the same prefix with pointer-sized words (the handle at byte 56).
 *
 * The module reads nothing but the handle. It parents its sheets, the status window and
 * Manage Phonebooks to it and sends it the messages below. It does not look further: a
 * later framework version keeps its handle one word later, but in a 4.2 object that word
 * is the owner window, and a wrong parent is worse than none. A handle that is not a window
 * counts as no window: the dialogs then get the framework's default owner (the last active
 * popup of the active top-level window) and the messages to the host are not sent.
 *
 * Engine handle. hFaxEngine is passed unchanged to every call of the fax engine.
 *
 * Threads. Call every export on the thread that owns the host window. The module has no
 * threads, timers or locks of its own; modal dialogs and sheets run their own message loop
 * on that thread and disable their owner (and its top-level window) while they run.
 *
 * Messages. The module sends (never posts) WM_FAX_PREVIEW_COVER, WM_FAXDOC_VIEW and
 * WM_FAXDOC_REMOVED to the host window; their lParam is valid only during the call. */
typedef struct FAXHOSTWND {
    ULONG_PTR pVtbl;             /* the object's virtual table */
    ULONG_PTR dwRef;             /* command target: reference count */
    ULONG_PTR pOuterUnknown;     /* command target: controlling unknown */
    ULONG_PTR xInnerUnknown;     /* command target: inner unknown */
    ULONG_PTR xDispatch;         /* command target: dispatch interface */
    ULONG_PTR bResultExpected;   /* command target: automation flag */
    ULONG_PTR xConnPtContainer;  /* command target: connection-point container */
    HWND hWnd;                   /* the host window */
} FAXHOSTWND;

/* The host's 32-bit fax engine handle, passed unchanged to every engine call. */
typedef DWORD FAXENGINE;

/* ---- Window messages ------------------------------------------------------------------ */

/* Sent to the host window by the Send Fax dialog's Preview button: wParam 9, lParam the
 * address of the cover page's file name ("General.Qoi"). The host shows that cover page. */
#define WM_FAX_PREVIEW_COVER   2024
#define FAX_PREVIEW_COVER_PAGE 9
/* Sent to the host window: show the fax document whose path lParam points to (wParam 0). */
#define WM_FAXDOC_VIEW         2029
/* Sent to the host window: the document whose path (without extension) lParam points to
 * was deleted with its log entry (wParam 0). */
#define WM_FAXDOC_REMOVED      2030
/* Posted, both parameters 0, to the top-level window titled "Tavan Plexwork Mailrunner"
 * after the fax modem was changed in the setup. */
#define WM_FAX_MODEM_CHANGED   2032
/* Accepted by the receive-log page: wParam the log record, lParam the change code. */
#define WM_RECVLOG_NOTIFY      2039

/* ---- Codes the host passes on from the engine ----------------------------------------- */

/* FaxDLL_UpdateFaxStatus codes. */
#define FAXSTATUS_BAUD_RATE    0   /* detail: baud rate */
#define FAXSTATUS_STATUS_TEXT  1   /* detail: number of the module's string to show */
#define FAXSTATUS_PAGE         2   /* detail: current page */
#define FAXSTATUS_PROGRESS     3   /* detail: progress 0..100 */
#define FAXSTATUS_TOTAL_PAGES  4   /* detail: total pages of the job */

/* FaxDLL_NotifySendLog / FaxDLL_NotifyReceiveLog change codes. */
#define FAXLOG_CHANGE_UPDATED  3   /* entry added or changed */
#define FAXLOG_CHANGE_REMOVED  4   /* entry removed */

/* ---- Exports -------------------------------------------------------------------------- */

/* Runs the Send Fax dialog for the document at pszDocument. 1 when the jobs were handed to
 * the engine, 2 when the user cancelled. */
int   WINAPI FaxDLL_OnSendFax(FAXHOSTWND* pHostWnd, FAXENGINE hFaxEngine, const char* pszDocument);
/* Shows the status window for the job record (owned by the host, read while shown). */
void  WINAPI FaxDLL_ShowFaxStatus(FAXHOSTWND* pHostWnd, FAXENGINE hFaxEngine, SEND_FAX* pJob);
/* Updates the status window with one of the FAXSTATUS_ codes. */
void  WINAPI FaxDLL_UpdateFaxStatus(DWORD dwUnused, DWORD dwCode, DWORD dwDetail);
/* Hides the status window: 0 when it was never shown, else whether it was visible. */
BOOL  WINAPI FaxDLL_HideFaxStatus(DWORD dwUnused);
/* Log changes from the engine; they reach the open Fax Logs sheet, else they are dropped. */
void  WINAPI FaxDLL_NotifySendLog(SEND_FAX* pRecord, DWORD dwChange);
void  WINAPI FaxDLL_NotifyReceiveLog(SEND_FAX* pRecord, DWORD dwChange);
/* Notes that a modem reported; returns the bit set for it (1 << (number mod 32)). */
DWORD WINAPI FaxDLL_NotifyOfModem(const DWORD* pdwModemNumber);
/* Deletes log entries older than the configured number of days, with their documents. */
void  WINAPI FaxDLL_OnRefreshLogs(FAXHOSTWND* pHostWnd, FAXENGINE hFaxEngine);
/* Opens the Fax Logs sheet (receive log, send log). */
void  WINAPI FaxDLL_OnFaxLogs(FAXHOSTWND* pHostWnd, FAXENGINE hFaxEngine);
/* Opens the phonebook library's own phonebook editor. */
void  WINAPI FaxDLL_OnFaxPhonebooks(DWORD dwUnused);
/* Runs the Manage Phonebooks dialog; returns its result (1 OK, 2 Cancel). */
int   WINAPI FaxDLL_OnFaxModifyPhonebooks(FAXHOSTWND* pHostWnd);
/* Open the Fax Setup sheet on its General, Modem, Header or Log Setup page. */
void  WINAPI FaxDLL_OnFaxGeneralSetup(FAXHOSTWND* pHostWnd, FAXENGINE hFaxEngine);
void  WINAPI FaxDLL_OnFaxModemSetup(FAXHOSTWND* pHostWnd, FAXENGINE hFaxEngine);
void  WINAPI FaxDLL_OnFaxHeaderSetup(FAXHOSTWND* pHostWnd, FAXENGINE hFaxEngine);
void  WINAPI FaxDLL_OnFaxLogSetup(FAXHOSTWND* pHostWnd, FAXENGINE hFaxEngine);

/* The same functions as pointer types, for hosts that load the module at run time. */
typedef int   (WINAPI* PFN_FaxDLL_OnSendFax)(FAXHOSTWND*, FAXENGINE, const char*);
typedef void  (WINAPI* PFN_FaxDLL_ShowFaxStatus)(FAXHOSTWND*, FAXENGINE, SEND_FAX*);
typedef void  (WINAPI* PFN_FaxDLL_UpdateFaxStatus)(DWORD, DWORD, DWORD);
typedef BOOL  (WINAPI* PFN_FaxDLL_HideFaxStatus)(DWORD);
typedef void  (WINAPI* PFN_FaxDLL_NotifySendLog)(SEND_FAX*, DWORD);
typedef void  (WINAPI* PFN_FaxDLL_NotifyReceiveLog)(SEND_FAX*, DWORD);
typedef DWORD (WINAPI* PFN_FaxDLL_NotifyOfModem)(const DWORD*);
typedef void  (WINAPI* PFN_FaxDLL_OnRefreshLogs)(FAXHOSTWND*, FAXENGINE);
typedef void  (WINAPI* PFN_FaxDLL_OnFaxLogs)(FAXHOSTWND*, FAXENGINE);
typedef void  (WINAPI* PFN_FaxDLL_OnFaxPhonebooks)(DWORD);
typedef int   (WINAPI* PFN_FaxDLL_OnFaxModifyPhonebooks)(FAXHOSTWND*);
typedef void  (WINAPI* PFN_FaxDLL_OnFaxSetup)(FAXHOSTWND*, FAXENGINE);

/* Export names, for GetProcAddress. */
#ifdef _WIN64
#define FAXDLL_EXPORT_NAME(name, bytes) #name
#else
#define FAXDLL_EXPORT_NAME(name, bytes) "_" #name "@" #bytes
#endif

#ifdef __cplusplus
}  /* extern "C" */

/* A two-word structure of the suite whose assignment operator the module exports
 * (??4l4linkSt@@QAEAAU0@ABU0@@Z in the 32-bit module). */
struct l4linkSt {
    DWORD dwFirst;
    DWORD dwSecond;
    l4linkSt& operator=(const l4linkSt& other);
};
#endif

#endif /* RWFAXDLG_H */
