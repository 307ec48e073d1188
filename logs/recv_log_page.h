#pragma once
// The receive log, first page of the Fax Logs sheet: the received faxes, a reception in
// progress among them. The user forwards one fax as a new send job, deletes entries, and
// double-clicks a fax to have the host show it. Without a window it ages the receive log.
#include "logs/log_page.h"

class CDRecvLog : public CLogPage {
public:
    // Computes the fax folders. The status texts come from the send-log page.
    CDRecvLog();

    // Entries of the receive log; also reached by WM_RECVLOG_NOTIFY.
    void OnLogChanged(SEND_FAX* record, DWORD change) override;
    void AgeLogs(DWORD* count) override;
    // Forward and Delete are off while a selected fax is still coming in.
    void UpdateLogButtons() override;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    bool OpenLogForListing(int kind) override;
    const std::string& DocumentFolder(int kind) const override;
    AgeingSettings Ageing() const override;
    bool MayAge(const SEND_FAX& record) const override;

private:
    void OnForward();
    void OnDelete();
    void OnView() override;
};
