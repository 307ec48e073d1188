#pragma once
// RWFaxDlg.dll, loaded at run time through its public header as a host of the suite does.
#include <windows.h>

#include "RWFaxDlg.h"

struct FaxModule {
    HMODULE handle = nullptr;
    PFN_FaxDLL_OnSendFax onSendFax = nullptr;
    PFN_FaxDLL_ShowFaxStatus showFaxStatus = nullptr;
    PFN_FaxDLL_UpdateFaxStatus updateFaxStatus = nullptr;
    PFN_FaxDLL_HideFaxStatus hideFaxStatus = nullptr;
    PFN_FaxDLL_NotifyOfModem notifyOfModem = nullptr;
    PFN_FaxDLL_NotifySendLog notifySendLog = nullptr;
    PFN_FaxDLL_NotifyReceiveLog notifyReceiveLog = nullptr;
    PFN_FaxDLL_OnRefreshLogs onRefreshLogs = nullptr;
    PFN_FaxDLL_OnFaxLogs onFaxLogs = nullptr;
    PFN_FaxDLL_OnFaxPhonebooks onFaxPhonebooks = nullptr;
    PFN_FaxDLL_OnFaxModifyPhonebooks onFaxModifyPhonebooks = nullptr;
    PFN_FaxDLL_OnFaxSetup onGeneralSetup = nullptr;
    PFN_FaxDLL_OnFaxSetup onModemSetup = nullptr;
    PFN_FaxDLL_OnFaxSetup onHeaderSetup = nullptr;
    PFN_FaxDLL_OnFaxSetup onLogSetup = nullptr;

    template <typename T>
    void Bind(T& slot, const char* name)
    {
        slot = reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(handle, name)));
    }

    bool Load()
    {
        handle = LoadLibraryA("RWFaxDlg.dll");
        if (!handle)
            return false;
        Bind(onSendFax, FAXDLL_EXPORT_NAME(FaxDLL_OnSendFax, 12));
        Bind(showFaxStatus, FAXDLL_EXPORT_NAME(FaxDLL_ShowFaxStatus, 12));
        Bind(updateFaxStatus, FAXDLL_EXPORT_NAME(FaxDLL_UpdateFaxStatus, 12));
        Bind(hideFaxStatus, FAXDLL_EXPORT_NAME(FaxDLL_HideFaxStatus, 4));
        Bind(notifyOfModem, FAXDLL_EXPORT_NAME(FaxDLL_NotifyOfModem, 4));
        Bind(notifySendLog, FAXDLL_EXPORT_NAME(FaxDLL_NotifySendLog, 8));
        Bind(notifyReceiveLog, FAXDLL_EXPORT_NAME(FaxDLL_NotifyReceiveLog, 8));
        Bind(onRefreshLogs, FAXDLL_EXPORT_NAME(FaxDLL_OnRefreshLogs, 8));
        Bind(onFaxLogs, FAXDLL_EXPORT_NAME(FaxDLL_OnFaxLogs, 8));
        Bind(onFaxPhonebooks, FAXDLL_EXPORT_NAME(FaxDLL_OnFaxPhonebooks, 4));
        Bind(onFaxModifyPhonebooks, FAXDLL_EXPORT_NAME(FaxDLL_OnFaxModifyPhonebooks, 4));
        Bind(onGeneralSetup, FAXDLL_EXPORT_NAME(FaxDLL_OnFaxGeneralSetup, 8));
        Bind(onModemSetup, FAXDLL_EXPORT_NAME(FaxDLL_OnFaxModemSetup, 8));
        Bind(onHeaderSetup, FAXDLL_EXPORT_NAME(FaxDLL_OnFaxHeaderSetup, 8));
        Bind(onLogSetup, FAXDLL_EXPORT_NAME(FaxDLL_OnFaxLogSetup, 8));
        return onSendFax && showFaxStatus && updateFaxStatus && hideFaxStatus && notifyOfModem && notifySendLog &&
               notifyReceiveLog && onRefreshLogs && onFaxLogs && onFaxPhonebooks && onFaxModifyPhonebooks &&
               onGeneralSetup && onModemSetup && onHeaderSetup && onLogSetup;
    }
};
