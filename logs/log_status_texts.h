#pragma once
// The status texts of log rows, shared by both log pages. The send-log page loads them when
// it is constructed; the receive-log page relies on that (both entry points construct a
// send-log page before any page reads a log). The hold marker g_strOnHold is one of them
// (host/fax_folders.h).
#include <string>

extern std::string g_strComplete;   // "Complete"
extern std::string g_strError;      // "Error"
extern std::string g_strPending;    // "Pending"
extern std::string g_strSending;    // "Sending"
extern std::string g_strReceiving;  // "Receiving"

// Loads the six texts from the string table. When "Complete" is missing the user is told
// in a message box and false is returned; the other texts are loaded all the same.
bool LoadLogStatusTexts();
