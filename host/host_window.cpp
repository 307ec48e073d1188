#include "host/host_window.h"

#include <cstddef>

// The framework's window object keeps seven words before its handle; hosts hand the
// object itself, so the handle must sit exactly there.
static_assert(offsetof(FAXHOSTWND, hWnd) == 7 * sizeof(void*), "handle after seven words");
#if defined(_WIN32) && !defined(_WIN64)
static_assert(offsetof(FAXHOSTWND, hWnd) == 28, "CWnd::m_hWnd is at byte 28");
#endif

HWND HostWindowHandle(const FAXHOSTWND* pHostWnd)
{
    if (!pHostWnd || !IsWindow(pHostWnd->hWnd))
        return nullptr;
    return pHostWnd->hWnd;
}
