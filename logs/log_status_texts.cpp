#include "logs/log_status_texts.h"

#include <windows.h>

#include "framework/message_box.h"
#include "framework/resources.h"
#include "host/fax_folders.h"
#include "res/resource.h"

std::string g_strComplete;
std::string g_strError;
std::string g_strPending;
std::string g_strSending;
std::string g_strReceiving;

namespace {
// The string table itself is what failed, so this text cannot come from it.
constexpr char kCompleteMissing[] = "Could not load string IDS_STATUS_COMPLETE.\n";
}  // namespace

bool LoadLogStatusTexts()
{
    bool loaded = TryLoadModuleString(IDS_STATUS_COMPLETE, g_strComplete);
    if (!loaded) {
        g_strComplete.clear();
        FaxMessageBox(nullptr, kCompleteMissing, nullptr, MB_OK);
    }
    g_strError = LoadModuleString(IDS_STATUS_ERROR);
    LoadOnHoldText();
    g_strPending = LoadModuleString(IDS_STATUS_PENDING);
    g_strSending = LoadModuleString(IDS_STATUS_SENDING);
    g_strReceiving = LoadModuleString(IDS_STATUS_RECEIVING);
    return loaded;
}
