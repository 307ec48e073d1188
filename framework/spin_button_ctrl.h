#pragma once
// The system up-down (spin) control, one thin method per message.
#include <windows.h>
#include <commctrl.h>

#include "framework/wnd.h"

class CSpinButtonCtrl : public CWnd {
public:
    HWND GetBuddy() const { return reinterpret_cast<HWND>(SendMessage(UDM_GETBUDDY)); }
    void SetRange32(int lower, int upper) const { SendMessage(UDM_SETRANGE32, static_cast<WPARAM>(lower), upper); }
    int GetPos32() const { return static_cast<int>(SendMessage(UDM_GETPOS32)); }
};
