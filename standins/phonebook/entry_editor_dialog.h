#pragma once
// The entry editor: the texts of one phonebook entry. The caller saves what it accepted.
#include <string>

#include "framework/dialog.h"
#include "standins/phonebook/phonebook_file.h"

class CEntryEditorDlg : public CDialog {
public:
    CEntryEditorDlg(HWND parent, const std::string& bookName, const PhoneBookEntryText& entry);

    // The texts as accepted with OK.
    const PhoneBookEntryText& Entry() const { return m_entry; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    std::string m_strBookName;
    PhoneBookEntryText m_entry;
};
