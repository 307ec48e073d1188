#pragma once
// Asks for the name of a new phonebook and creates it.
#include <cstdint>
#include <string>

#include "framework/dialog.h"

class CNewBookDlg : public CDialog {
public:
    explicit CNewBookDlg(HWND parent);

    // The book created with OK.
    uint32_t Book() const { return m_nBook; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    std::string m_strName;
    uint32_t m_nBook = 0;
};
