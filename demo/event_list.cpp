#include "demo/event_list.h"

#include <algorithm>

HWND CreateEventList(HWND parent)
{
    HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOSEL, 0,
                                0, 100, 100, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return list;
}

void AddEvent(HWND list, const std::string& line)
{
    if (!list)
        return;
    // A time stamp, so that the pace of a transmission can be read off the list.
    SYSTEMTIME now;
    GetLocalTime(&now);
    char stamp[16];
    wsprintfA(stamp, "%02u:%02u:%02u  ", now.wHour, now.wMinute, now.wSecond);
    std::string text = stamp + line;
    LRESULT index = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    HDC dc = GetDC(list);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(list, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(list, dc);
    LRESULT extent = SendMessageA(list, LB_GETHORIZONTALEXTENT, 0, 0);
    SendMessageA(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(std::max<LONG>(static_cast<LONG>(extent), size.cx + 8)), 0);
}
