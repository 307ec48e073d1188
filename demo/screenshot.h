#pragma once
// Pictures of windows for the README's gallery: a window as it is on the screen, frame
// included, written as a small palette PNG through the Windows Imaging Component.
#include <windows.h>

#include <string>

bool SaveWindowPng(HWND window, const std::string& path);
