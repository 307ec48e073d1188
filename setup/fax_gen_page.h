#pragma once
// The General page of the Fax Setup sheet: the sender's own data that goes into every send
// job and cover page, the off-peak dialing window, and how transmissions are reported.
#include <windows.h>

#include <string>

#include "setup/fax_setup_page.h"

class CDFaxGen : public CFaxSetupPage {
public:
    CDFaxGen();

    std::string m_strName;
    std::string m_strPhone;
    std::string m_strCompany;
    std::string m_strFax;
    std::string m_strFaxID;
    int m_bEnableOffpeak = 1;
    std::string m_strOffpeakStart;
    std::string m_strOffpeakStop;
    int m_bAfterOffpeak = 1;
    int m_bDisplayStatus = 1;
    int m_bNotify = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnKillActive() override;
    void OnOK() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(int id, NMHDR* header, LRESULT* result) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    // The off-peak edits, their up-down controls and "continue after" follow check box 1018.
    void UpdateOffpeakControls();
    // Takes out of the Station Fax ID what it may not hold.
    void FilterStationFaxId();
    // Steps the part of a time under the caret of one of the two time edits.
    void SpinOffpeakTime(int editId, int delta);
    // When a spin ends, the edit that was stepped gets its field's selection back.
    void RestoreSpinSelection();

    bool m_bFilteringFaxId = false;
    WORD m_wFromSelStart = 0;
    WORD m_wFromSelEnd = 0;
    WORD m_wToSelStart = 0;
    WORD m_wToSelEnd = 0;
};

// The off-peak times the page shows when none (or no valid one) is stored.
constexpr WORD kOffpeakStartHour = 20;
constexpr WORD kOffpeakStopHour = 7;

// Normalises an off-peak time text against its default hour: a valid text is rewritten in
// the locale's time format, an invalid one is replaced by the default time. True when valid.
bool NormaliseOffpeakTime(std::string& text, WORD defaultHour);
