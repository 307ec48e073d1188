#pragma once
// The system header control, one thin method per message.
#include <windows.h>
#include <commctrl.h>

#include "framework/wnd.h"

class CHeaderCtrl : public CWnd {
public:
    int GetItemCount() const { return static_cast<int>(SendMessage(HDM_GETITEMCOUNT)); }
    BOOL GetItem(int item, HDITEMA* attributes) const
    {
        return static_cast<BOOL>(SendMessage(HDM_GETITEMA, item, reinterpret_cast<LPARAM>(attributes)));
    }
    BOOL GetItemRect(int item, RECT* rect) const
    {
        return static_cast<BOOL>(SendMessage(HDM_GETITEMRECT, item, reinterpret_cast<LPARAM>(rect)));
    }
    int HitTest(HDHITTESTINFO* hit) const { return static_cast<int>(SendMessage(HDM_HITTEST, 0, reinterpret_cast<LPARAM>(hit))); }
};
