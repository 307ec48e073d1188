#pragma once
// Real report lists in a real top-level window for the list control tests: a host window
// that reflects notifications to control objects as a dialog does and records the
// end-of-label-edit notifications it receives, mouse actions on a header, and a message
// pump that runs keys through the window objects as the framework's modal loop does.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/list_ctrl.h"
#include "framework/wnd.h"

namespace listtest {

class HostWindow : public CWnd {
public:
    HostWindow(int width = 640, int height = 480);
    ~HostWindow() override;
    // The end-of-label-edit notifications received, each as "<control id> from <the list or
    // another window> <id> mask <mask> item <item>.<subitem> <text or no text> <length>".
    std::vector<std::string> m_labelEdits;
    int m_dialogKeyCommands = 0;  // IDOK and IDCANCEL, as the dialog keys Enter and Escape send

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

constexpr int kListId = 1001;

// A visible report-view list view child of the host, not yet bound to an object.
HWND CreateReportList(HWND parent, const RECT& rect, DWORD extraStyle = 0, int id = kListId);

// Mouse actions on a header, in its client coordinates, as real mouse messages.
void PressHeader(HWND header, int x);
void MoveOnHeader(HWND header, int x, bool buttonDown = true);
void ReleaseHeader(HWND header, int x);
void ClickHeaderColumn(HWND header, int column);
// x of the middle of a header item.
int HeaderItemMiddle(HWND header, int column);

// The texts of one column, top to bottom.
std::vector<std::string> ColumnTexts(const CListCtrl& list, int column);

// Pumps like the framework's modal loop (window objects first, then dialog keys) until the
// condition holds or the bounded wait runs out.
template <typename Condition>
bool PumpLikeModalLoop(Condition condition, DWORD timeoutMs = 2000)
{
    DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (WalkPreTranslateTree(&msg))
                continue;
            HWND top = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
            if (top && IsDialogMessageA(top, &msg))
                continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (condition())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

// Posts the key-down of a virtual key as the keyboard would.
void PostKeyDown(HWND window, UINT key);
// Posts typed characters.
void PostChars(HWND window, const std::string& text);

}  // namespace listtest
