#pragma once
// The system's modem control panel, where modems are installed and configured and the
// telephony location is edited. Started by the Modem and Dialing pages and not waited for.
// The start goes through a hook so that tests see the command line without a control panel.
#include <windows.h>

#include <string>

// "<folder>\control <system folder>\modem.cpl": the folder is the Windows folder, or the
// system folder on Windows NT-family systems (g_bWinNT).
std::string ModemControlPanelCommand();

// Starts the control panel, shown normally.
void StartModemControlPanel();

// Replaces WinExec (tests); null restores it.
using ProgramStart = UINT (*)(const char* commandLine, UINT show, void* context);
void SetProgramStart(ProgramStart start, void* context);
