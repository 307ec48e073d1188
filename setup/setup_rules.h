#pragma once
// The rules of the setup pages that need no windows: what the Station Fax ID may hold, how
// the forwarding list maps to stored targets, when a change of the answering mode is
// pending, how the dialing spins step, and how modem texts from the system registry are read.
#include <cstdint>
#include <string>

// ---- Station Fax ID ---------------------------------------------------------------------

// The characters a station identifier may hold: digits, blank, '#', '*' and '+'.
bool IsStationIdCharacter(char c);

struct StationIdFilterResult {
    std::string text;  // the text without the characters it may not hold
    int caret = 0;     // the caret, moved one place left for every character taken out
    int removed = 0;   // how many characters were taken out
};
StationIdFilterResult FilterStationFaxId(const std::string& text, int caret);

// ---- Forwarding targets -----------------------------------------------------------------

constexpr uint32_t kForwardSpeedDial = 0x1000;  // "Fax Forward Type" of a speed-dial number
constexpr uint32_t kForwardRapidDial = 0x8000;  // "Fax Forward Type" of a rapid-dial number
constexpr int kSpeedDialCount = 100;            // Speed Dial 00 to 99
constexpr int kRapidDialCount = 20;             // Rapid Dial 01 to 20
constexpr int kForwardListCount = kSpeedDialCount + kRapidDialCount;

struct ForwardTarget {
    uint32_t type;
    uint32_t number;
};
// The list entry of a stored target: a speed-dial type selects the entry of its number, any
// other type the rapid-dial entry of its number. May lie outside the list (no selection).
int ForwardIndexFromTarget(uint32_t type, uint32_t number);
// The stored target of a list entry (index 0 or more).
ForwardTarget ForwardTargetFromIndex(int index);

// ---- Answering mode ---------------------------------------------------------------------

// True when accepting the page starts a change of the answering mode that the engine has
// yet to carry out: auto receive or forwarding changed, unless one answering mode simply
// took over from the other.
bool AnswerModeChangePending(bool autoReceiveNow, bool forwardNow, bool autoReceiveBefore, bool forwardBefore);

// ---- Dialing spins ----------------------------------------------------------------------

// The value of a spin's edit after one step: the text read as a decimal number (a text that
// is not one counts as 0), less the step the up-down control reports, kept within 0..maximum.
unsigned StepSpinValue(const std::string& text, int delta, unsigned maximum);

// ---- Modem texts from the system registry -----------------------------------------------

// The port number of a port text such as "COM4": the first run of decimal digits; 0 when
// there is none or it is too large to be a port.
uint32_t PortNumberFromText(const std::string& portText);
// The device part of a "MatchingDeviceId": a leading '*' dropped, then what follows the
// last backslash.
std::string DeviceIdFromMatchingId(const std::string& matchingId);
// True when the device key name holds the identifier, letter case ignored. An empty
// identifier matches nothing.
bool DeviceNameMatches(const std::string& deviceName, const std::string& deviceId);
// A modem command as the engine wants it: the text before its first '<' ("ATZ<cr>" -> "ATZ").
std::string ModemCommandText(const std::string& registryText);
