#include "framework/message_box.h"

#include "framework/resources.h"
#include "framework/wnd.h"

int FaxMessageBox(HWND owner, const std::string& text, const char* caption, UINT type)
{
    // A box without an owner is modal over the window the user works in, as the
    // framework's message box is: the safe owner and its top-level window are disabled.
    HWND top = nullptr;
    if (!owner)
        owner = CWnd::GetSafeOwner(nullptr, &top);
    int answer = MessageBoxA(owner, text.c_str(), caption, type);
    if (top)
        ::EnableWindow(top, TRUE);
    return answer;
}

int FaxMessageBoxId(HWND owner, UINT textId, UINT captionId, UINT type)
{
    std::string caption = captionId ? LoadModuleString(captionId) : std::string();
    return FaxMessageBox(owner, LoadModuleString(textId), captionId ? caption.c_str() : nullptr, type);
}
