#pragma once
// The module's application object: prepares the settings key, loads the two mirrored
// report options, finds the installation folder and from it the help file.
#include <windows.h>

#include "framework/win_app.h"

// The suite's installation folder ("DefaultDir"), filled at start-up.
extern char g_szInstallDir[259];
// Mirrored settings "Display Status" and "Notify On Completion".
extern BOOL g_bDisplayStatus;
extern BOOL g_bNotifyOnCompletion;

class CFaxDlgApp : public CWinApp {
public:
    CFaxDlgApp();

    // Data 0xFFFFFFFF is ignored; data 0 opens the help file's contents whatever the
    // command; anything else goes to the help file with the given command.
    void WinHelp(DWORD_PTR data, UINT command = HELP_CONTEXT) override;
};
