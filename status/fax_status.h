#pragma once
// The one status window of the module: a modeless dialog that follows one transmission.
// Created by the first show, afterwards only refreshed, shown and hidden.
#include <windows.h>

#include "SendFax.h"
#include "framework/dialog.h"

class CDFaxStatus : public CDialog {
public:
    CDFaxStatus();

    // FaxDLL_ShowFaxStatus: remembers the job and the engine, creates the window on the
    // first call (parent: the host window), refreshes it on later calls, shows it.
    void ShowForJob(HWND hostWindow, DWORD hFaxEngine, SEND_FAX* job);
    // FaxDLL_UpdateFaxStatus: one status code and its detail.
    void UpdateStatus(DWORD code, DWORD detail);
    // FaxDLL_HideFaxStatus: the previous visibility, or 0 when the window was never created.
    BOOL HideStatus();

    BOOL IsCreated() const { return m_bCreated; }
    DWORD GetJobId() const { return m_dwJobID; }
    DWORD GetEngine() const { return m_hFaxEngine; }

private:
    BOOL m_bCreated = 0;            // 1 for good once the window was created
    SEND_FAX* m_pJob = nullptr;     // the record of the last show, owned by the host
    DWORD m_hFaxEngine = 0;         // passed to FaxCancel by Abort
    DWORD m_dwJobID = 0;            // copied from the record at the last show
};

extern CDFaxStatus g_FaxStatus;
