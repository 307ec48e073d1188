#pragma once
// The demo host's main window: a menu with the module's commands and their shortcuts, the
// list of what happened, and a status bar telling what the engine does. It answers what
// the module asks of its host: cover page previews, documents to show, documents removed.
#include <windows.h>

HWND CreateHostWindow(HINSTANCE instance, int show);
// The main loop's share of a message: shortcuts, and keyboard navigation of the modeless
// status window. True when the message was handled.
bool PreTranslateHostMessage(MSG& message);
void RefreshStatusBar();
void ClearEvents();

// A command of the menu (demo_resource.h), as the user picks it.
void RunCommand(int command);
