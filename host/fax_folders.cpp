#include "host/fax_folders.h"

#include "framework/resources.h"
#include "host/shell_folders.h"
#include "res/resource.h"

std::string g_strMyFaxDir;
std::string g_strCoverPageDir;
std::string g_strInboxDir;
std::string g_strLogsDir;
std::string g_strOutboxDir;
std::string g_strSentDir;
std::string g_strOnHold;

void ComputeFaxFolderPaths()
{
    g_strMyFaxDir = GetPersonalFolder() + LoadModuleString(IDS_DIR_MYFAX);
    g_strCoverPageDir = g_strMyFaxDir + LoadModuleString(IDS_DIR_COVERPAGE);
    g_strInboxDir = g_strMyFaxDir + LoadModuleString(IDS_DIR_INBOX);
    g_strLogsDir = g_strMyFaxDir + LoadModuleString(IDS_DIR_LOGS);
    g_strOutboxDir = g_strMyFaxDir + LoadModuleString(IDS_DIR_OUTBOX);
    g_strSentDir = g_strMyFaxDir + LoadModuleString(IDS_DIR_SENT);
}

void LoadOnHoldText() { g_strOnHold = LoadModuleString(IDS_STATUS_ONHOLD); }
