#pragma once
// The send log, second page of the Fax Logs sheet: every send job the engine knows
// (pending, held, in transmission, sent, failed). The user resends a finished job,
// reschedules, holds or releases a waiting one, deletes entries, and double-clicks a job to
// have the host show its document. Without a window it ages the sent and failed logs.
#include "logs/log_page.h"

class CDSendLog : public CLogPage {
public:
    // Loads the status texts of both log pages and computes the fax folders.
    CDSendLog();

    // Entries of the waiting, sending, sent and failed logs; the buttons stay as they are.
    void OnLogChanged(SEND_FAX* record, DWORD change) override;
    // Ages the sent log, then the failed log; *count gets the sum.
    void AgeLogs(DWORD* count) override;
    // Enables the buttons for the selected rows and their status.
    void UpdateLogButtons() override;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

    bool OpenLogForListing(int kind) override;
    const std::string& DocumentFolder(int kind) const override;
    AgeingSettings Ageing() const override;
    bool MayAge(const SEND_FAX& record) const override;

private:
    void OnResend();
    void OnReschedule();
    void OnHold();
    void OnRelease();
    void OnDelete();
    void OnView() override;

    // Fetches the entry of the first selected row; false (user told) when it is gone.
    bool FetchSelectedJob(CEngineMemory<SEND_FAX>& record);
    // Asks with the prompt (formatted with the recipient) and caption; true on OK.
    bool ConfirmJobChange(const SEND_FAX& record, UINT promptId, UINT captionId);
    // Hands a changed waiting job to the engine again as a new job in place of the old.
    void ResubmitJob(SEND_FAX* record);
    // Deletes the old entry while its document is moved aside, so the engine keeps no
    // claim on it, and clears what the engine kept of the old job.
    void WithdrawJob(SEND_FAX* record);
    void ScheduleAgain(SEND_FAX* record);
};
