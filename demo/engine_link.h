#pragma once
// The host's side of the fax engine: it gives the engine time at a steady tick, passes
// the engine's events on to the module and keeps a line telling what the engine does.
// Every pause of a transmission is counted in ticks, so the tour steps it without waiting.
#include <windows.h>

#include <string>

#include "standins/engine/vovado32_standin.h"

constexpr UINT kEngineEventMessage = WM_APP + 1;  // the engine's events to the host window
constexpr UINT kTickMilliseconds = 250;           // how often the host gives the engine time
constexpr UINT_PTR kEngineTimer = 1;

// Sets how long each page takes (dialling takes two seconds); the engine counts in ticks.
void SetTransmissionPace(int pageSeconds);
int PageSeconds();

// One tick: the engine works one step, and a status window whose transmission ended is
// hidden once it has been seen for a moment. True while the engine has work left.
bool GiveEngineTime();
// Passes one event of the engine on to the module, as a host of the suite does.
void ForwardEngineEvent(WPARAM kind, const FAXENGINE_EVENT* event);
// While muted, engine events are not passed on (sample data made in bulk).
void MuteEngineEvents(bool mute);
// How often a reception in progress reported its pages to the receive log.
int ReceptionUpdates();
// What the engine is doing, for the status bar ("Sending page 2 of 3 to Ann Archer").
std::string EngineActivity();
// The module's text with the number the engine gives (status texts, messages).
std::string ModuleText(DWORD id);
