#include "framework/modal_loop.h"

#include <commctrl.h>

#include "framework/wnd.h"

void RunModalMessageLoop(const std::function<bool()>& ended, HWND sheet)
{
    MSG msg;
    while (!ended()) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // leave the quit for the host's loop
            return;
        }
        if (got == -1)
            return;
        if (WalkPreTranslateTree(&msg))
            continue;
        if (sheet && PropSheet_IsDialogMessage(sheet, &msg))
            continue;
        HWND top = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        if (top && top != sheet && IsDialogMessageA(top, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
