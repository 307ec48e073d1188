#pragma once
// A temporary edit box laid over one cell of a report list. When it loses the focus it
// tells the list's parent what was typed, in the list view's own end-of-label-edit
// notification, and destroys itself. Created with new; the object deletes itself after its
// window is gone.
#include <windows.h>

#include <string>

#include "framework/edit.h"

class CInPlaceEdit : public CEdit {
public:
    CInPlaceEdit(int iItem, int iSubItem, const std::string& initText);

    // Keys the dialog would otherwise take (Enter, Escape, Delete, anything with Ctrl) go
    // straight to the edit.
    bool PreTranslateMessage(MSG* msg) override;

    int m_iItem;
    int m_iSubItem;
    std::string m_strInitText;
    int m_bEscape = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

private:
    LRESULT OnCreate();
    LRESULT OnChar(WPARAM character);
    LRESULT OnKillFocus();
    // Grows the edit to fit its text, never further than 2 pixels inside the list.
    void FitSize();
};
