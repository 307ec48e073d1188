#pragma once
// Message boxes for failures the user must see. Their texts come from the string table.
#include <windows.h>
#include <string>

// owner null: the framework's safe owner (the window the user works in) owns the box.
// caption null: the system's default caption; "" : no caption text.
int FaxMessageBox(HWND owner, const std::string& text, const char* caption, UINT type);
// Text and caption by string number; a caption number of 0 gives the system's default caption.
int FaxMessageBoxId(HWND owner, UINT textId, UINT captionId, UINT type);
