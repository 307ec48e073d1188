#pragma once
// What every page of the Fax Setup sheet shares: the host's engine handle, and an
// acceptance that refuses to store values its controls cannot give.
#include "engine/fax_engine.h"
#include "framework/property_sheet.h"

class CFaxSetupPage : public CPropertyPage {
public:
    explicit CFaxSetupPage(UINT templateId) : CPropertyPage(templateId, true) {}

    FAXENGINE m_hFaxEngine = 0;

protected:
    // The sheet was accepted. A page whose controls hold a value it cannot take (only
    // possible on a page that is not the active one) comes to the front and keeps the sheet
    // open; otherwise OnOK stores the values.
    BOOL OnApply() override
    {
        if (!UpdateData(true)) {
            if (CPropertySheet* sheet = GetSheet())
                for (int i = 0; i < sheet->GetPageCount(); ++i)
                    if (sheet->GetPage(i) == this)
                        sheet->SetActivePage(i);
            return FALSE;
        }
        OnOK();
        return TRUE;
    }
};
