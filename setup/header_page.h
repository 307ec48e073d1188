#pragma once
// The Header page of the Fax Setup sheet: the left, centre and right texts of the header
// line printed at the top of every sent page, with a legend of the codes the send path
// replaces in them, and a way back to the default texts.
#include <windows.h>

#include <string>

#include "setup/fax_setup_page.h"

class CDHeader : public CFaxSetupPage {
public:
    CDHeader();

    std::string m_strCenter;
    std::string m_strLeft;
    std::string m_strRight;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void FillLegend();
};
