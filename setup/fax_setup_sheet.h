#pragma once
// The Fax Setup sheet: five pages in a fixed order (General, Dialing, Fax Modem Setup,
// Header, Log Setup), no Apply button, one help context for all of them. The four setup
// entry points open it on their own page.
#include <windows.h>

#include "RWFaxDlg.h"
#include "framework/property_sheet.h"
#include "setup/dial_prop_page.h"
#include "setup/fax_gen_page.h"
#include "setup/header_page.h"
#include "setup/log_setup_page.h"
#include "setup/modem_set_page.h"

// Page indexes, as the entry points choose the first page shown.
enum FaxSetupPageIndex : UINT {
    kSetupPageGeneral = 0,
    kSetupPageDialing = 1,
    kSetupPageModem = 2,
    kSetupPageHeader = 3,
    kSetupPageLogSetup = 4,
};

class CFaxSetupSheet : public CPropertySheet {
public:
    CFaxSetupSheet(HWND parent, UINT startPage, FAXENGINE hFaxEngine);
    ~CFaxSetupSheet() override;

    CDFaxGen m_pageGeneral;
    CDialProp m_pageDialing;
    CDModemSet m_pageModem;
    CDHeader m_pageHeader;
    CDLogSetup m_pageLogSetup;

protected:
    // The system tells top-level windows that devices came or went; the pages hear it too.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Runs the sheet modally on the given page, in the module's own framework state.
void RunFaxSetupSheet(FAXHOSTWND* pHostWnd, UINT nStartPage, FAXENGINE hFaxEngine);
