#pragma once
// What the parts of the demo host share: the module, the engine and the host window.
#include <windows.h>

#include <string>

#include "demo/engine_standin.h"
#include "demo/fax_module.h"

struct DemoHost {
    FaxModule module;
    EngineStandIn fax;
    FAXHOSTWND hostWnd = {};
    FAXENGINE engine = 0;
    HWND window = nullptr;
    bool tour = false;  // the tour prints the event list to stdout as well
};

DemoHost& Demo();

// The host window object the module is given: only its handle matters to the module.
FAXHOSTWND MakeHostWnd(HWND window);

// A line in the host window's event list (and on stdout during the tour).
void Log(const std::string& line);
