#pragma once
// The system edit control, one thin method per message.
#include <windows.h>

#include "framework/wnd.h"

class CEdit : public CWnd {
public:
    // Creates the edit as a child with the object bound from its first message.
    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id)
    {
        return CreateEx(0, "EDIT", "", style, rect, parent, id);
    }
    DWORD GetStyle() const { return static_cast<DWORD>(GetWindowLongA(m_hWnd, GWL_STYLE)); }
    void SetSel(int start, int end) const { SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end); }
    void LimitText(int characters) const { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(characters)); }
    void ScrollCaret() const { SendMessage(EM_SCROLLCARET); }
};
