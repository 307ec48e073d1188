#pragma once
// The host's window, read from the window object the host passes to the exports.
#include "RWFaxDlg.h"

// The handle in the host's window object; null when there is no object or when the word
// at the handle's place is not a window (the module then acts as if no window was given).
HWND HostWindowHandle(const FAXHOSTWND* pHostWnd);
