#pragma once
// The Fax Modem Setup page of the Fax Setup sheet: the fax modem among the modems the
// system has installed, how incoming faxes are answered (automatically, or forwarded to a
// stored speed-dial or rapid-dial number), and the speaker. Accepting a different modem moves
// the fax engine to it and tells the suite's mail application.
#include <windows.h>

#include <string>

#include "framework/combo_box.h"
#include "setup/fax_setup_page.h"

class CDModemSet : public CFaxSetupPage {
public:
    CDModemSet();

    CComboBox m_cbModems;   // item data: the modem's port number
    CComboBox m_cbForward;  // Speed Dial 00..99, then Rapid Dial 01..20
    int m_bAutoReceive = 1;
    int m_bForward = 0;
    std::string m_strReset;
    std::string m_strInit;
    DWORD m_nForwardType = 0;
    DWORD m_nForwardNumber = 0;
    DWORD m_nSpeakerVolume = 0;  // 0 off .. 3 high
    int m_bOnUntilConnected = 0;
    DWORD m_nCommPort = 0;  // the port stored when the page opened

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    // Fills the modem list by the system's layout and selects the stored modem.
    void DiscoverModems();
    void FillForwardList();
    // Stores the reset and initialisation commands of the modem at a list position.
    void StoreModemCommands(int position);
    // Auto receive and forwarding exclude each other.
    void OnAutoReceiveClicked();
    void OnForwardClicked();
    void OnVolumeChanged();
    // Writes the page's values once the chosen modem was accepted.
    void StoreSettings(const std::string& modemName, DWORD port);
};

// The answering modes as the page found them when it last opened with a stored port; a
// change from them is what makes a change of the answering mode pending.
extern BOOL g_bAutoReceiveAtOpen;
extern BOOL g_bForwardAtOpen;

// The top-level window of the suite's mail application, told when the fax modem changed.
constexpr char kMailApplicationTitle[] = "Tavan Plexwork Mailrunner";
