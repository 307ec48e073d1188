#pragma once
// The one status window of the module: a modeless dialog that follows one transmission
// (recipient, station identifier, status line, baud rate, page counter, progress) and can
// abort it. Created by the first show, afterwards only refreshed, shown and hidden.
#include <windows.h>

#include <string>

#include "SendFax.h"
#include "framework/dialog.h"
#include "framework/progress_ctrl.h"

class CDFaxStatus : public CDialog {
public:
    CDFaxStatus();

    // FaxDLL_ShowFaxStatus: remembers the job and the engine, creates the window on the
    // first call (parent: the host window), refreshes it on later calls, shows it.
    void ShowForJob(HWND hostWindow, DWORD hFaxEngine, SEND_FAX* job);
    // FaxDLL_UpdateFaxStatus: one status code and its detail; every text then goes to
    // the controls.
    void UpdateStatus(DWORD code, DWORD value);
    // FaxDLL_HideFaxStatus: the previous visibility, or 0 when the window was never created.
    BOOL HideStatus();

    BOOL IsCreated() const { return m_bCreated; }
    DWORD GetJobId() const { return m_dwJobID; }
    DWORD GetEngine() const { return m_hFaxEngine; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    // Empties the texts and fills them from the job record and the settings.
    void FillStatusFields();
    // Abort: cancels the job of the last show in the engine, then hides the window.
    void OnAbort();

    BOOL m_bCreated = 0;          // 1 for good once the window was created
    SEND_FAX* m_pJob = nullptr;   // the record of the last show, owned by the host
    DWORD m_hFaxEngine = 0;       // passed to FaxCancel by Abort
    DWORD m_dwJobID = 0;          // copied from the record at the last show
    DWORD m_nTotalPages = 0;      // set by code 4, used by code 2; kept from job to job
    CProgressCtrl m_progress;
    std::string m_strBaudRate;
    std::string m_strCompany;
    std::string m_strFax;
    std::string m_strPhone;
    std::string m_strPage;
    std::string m_strStationID;
    std::string m_strStatus;
    std::string m_strSubject;
    std::string m_strName;
};

extern CDFaxStatus g_FaxStatus;
