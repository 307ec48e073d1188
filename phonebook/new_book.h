#pragma once
// The New Phonebook dialog: asks for one phonebook name on behalf of the New, Copy and
// Rename commands of the Manage Phonebooks dialog. The caller sets the title, the prompt
// and the text put into it; after the run m_strBookName holds a valid name, or is empty
// when the user cancelled.
#include <windows.h>

#include <string>

#include "framework/dialog.h"

class CDNewBook : public CDialog {
public:
    // Names become file names; the edit takes no more than this.
    static constexpr int kMaxBookName = 20;

    explicit CDNewBook(HWND parent = nullptr);

    UINT m_nCaptionID = 0;        // string number of the window title
    std::string m_strPromptArg;   // put into the prompt (the current book's name, or empty)
    UINT m_nPromptID = 0;         // string number of the prompt, a format with at most one %s
    std::string m_strBookName;    // the accepted name; empty until OK accepts one

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // Accepts only a name of letters and digits; otherwise tells the user and stays open.
    void OnOK() override;
};
