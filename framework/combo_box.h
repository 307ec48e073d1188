#pragma once
// The system combo box, one thin method per message.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/wnd.h"

class CComboBox : public CWnd {
public:
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int index) const { return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index))); }
    // The index of the new line (sorted combo boxes place it by its text), or CB_ERR.
    int AddString(const char* text) const
    {
        return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    void ResetContent() const { SendMessage(CB_RESETCONTENT); }
    LPARAM GetItemData(int index) const { return static_cast<LPARAM>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(index))); }
    int SetItemData(int index, LPARAM data) const
    {
        return static_cast<int>(SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), data));
    }
    std::string GetLBText(int index) const
    {
        int length = static_cast<int>(SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index)));
        if (length < 0)
            return std::string();
        std::vector<char> text(static_cast<size_t>(length) + 1);
        int copied = static_cast<int>(SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data())));
        return std::string(text.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
    }
};
