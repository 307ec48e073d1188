#pragma once
// The modal message loop of the framework's dialogs and property sheets.
#include <windows.h>

#include <functional>

// Runs messages until `ended` says so. Window objects see each message first, then the
// sheet (when given) or the message's dialog handles its keys; the rest is translated and
// dispatched. A quit ends the loop and is posted again for the application's own loop.
void RunModalMessageLoop(const std::function<bool()>& ended, HWND sheet = nullptr);
