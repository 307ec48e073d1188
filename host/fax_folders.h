#pragma once
// The per-user fax folder tree under the documents folder. The paths are computed by the
// windows that use them (the Send Fax dialog and the log pages); the folders themselves
// are not created here.
#include <string>

extern std::string g_strMyFaxDir;      // documents folder + "\My Fax"
extern std::string g_strCoverPageDir;  // + "\Fax Cover Page"
extern std::string g_strInboxDir;      // + "\Fax Inbox"
extern std::string g_strLogsDir;       // + "\Fax Logs"
extern std::string g_strOutboxDir;     // + "\Fax Outbox"
extern std::string g_strSentDir;       // + "\Fax Sent"

// The hold marker of a held job ("On Hold"), the user text of its send record.
extern std::string g_strOnHold;

// Recomputes all six folder paths from the documents folder and the string table.
void ComputeFaxFolderPaths();
// Loads g_strOnHold from the string table.
void LoadOnHoldText();
