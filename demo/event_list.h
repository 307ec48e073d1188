#pragma once
// The host window's list of what happened: one line per call and engine event, scrolled
// sideways when a line is longer than the list is wide.
#include <windows.h>

#include <string>

HWND CreateEventList(HWND parent);
void AddEvent(HWND list, const std::string& line);
