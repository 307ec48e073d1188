#include "framework/message_box.h"

#include "framework/resources.h"

int FaxMessageBox(HWND owner, const std::string& text, const char* caption, UINT type)
{
    return MessageBoxA(owner, text.c_str(), caption, type);
}

int FaxMessageBoxId(HWND owner, UINT textId, UINT captionId, UINT type)
{
    std::string caption = captionId ? LoadModuleString(captionId) : std::string();
    return FaxMessageBox(owner, LoadModuleString(textId), captionId ? caption.c_str() : nullptr, type);
}
