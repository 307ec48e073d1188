#pragma once
// Fax Schedule: when a fax goes out. Send Now, Off Peak, Send Later at a date and time typed
// (or spun field by field) in the user's regional format, or Hold. The dialog only collects
// and checks the choice; its owner turns it into a start time.
#include <windows.h>

#include <string>

#include "framework/dialog.h"
#include "framework/spin_button_ctrl.h"

class CDSchedule : public CDialog {
public:
    explicit CDSchedule(HWND parent = nullptr);
    ~CDSchedule() override;

    // Set by the owner before the dialog runs; after OK the choice, both texts (in the
    // user's format, as checked) and the date and time hold what the user accepted.
    std::string m_strDate;      // edit "Date"
    std::string m_strTime;      // edit "Time"
    SYSTEMTIME m_stDateTime;    // the texts are made from it when the dialog opens
    std::string m_strSubject;   // shown
    std::string m_strName;      // shown: "To:"
    std::string m_strFax;       // shown: "Fax:"
    int m_nChoice;              // SCHEDULE_SEND_NOW, _OFF_PEAK, _SEND_LATER or _HOLD
    CSpinButtonCtrl m_spinTime;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(int id, NMHDR* header, LRESULT* result) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    // The date, time and spins are usable only for Send Later.
    void ApplyChoice();
    // After a spin, the field it selected is selected again.
    void RestoreSpinSelection();
    // Tells the user a text was refused and puts the corrected text back, with the focus.
    void RefuseText(int editId, UINT messageId, const std::string& corrected);
};
