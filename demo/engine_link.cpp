#include "demo/engine_link.h"

#include <algorithm>
#include <cstdio>

#include "demo/demo_host.h"

namespace {
// The last texts of a transmission ("Fax Transmission Successful.") stay this long.
constexpr int kHideDelayTicks = 8;
constexpr int kTicksPerSecond = 1000 / kTickMilliseconds;
constexpr DWORD kTextSending = 2498;  // the module's "Sending"
constexpr int kDialSeconds = 2;

struct Activity {
    std::string recipient;
    DWORD page = 0, pages = 0, progress = 0;
    std::string text;
    int hideInTicks = 0;  // > 0: the status window is hidden when it reaches 0
} g_activity;
std::string g_receiving;  // "Receiving page 1 of 3 from Alma Ames" while a fax comes in
int g_receptionUpdates = 0;
int g_pageSeconds = 3;
bool g_bMuted = false;

std::string Text(const char* text) { return text ? text : ""; }
}  // namespace

void SetTransmissionPace(int pageSeconds)
{
    g_pageSeconds = std::max(pageSeconds, 0);
    Demo().fax.setPace(static_cast<DWORD>(kDialSeconds * kTicksPerSecond),
                       static_cast<DWORD>(std::max(pageSeconds * kTicksPerSecond, 1)));
}

void MuteEngineEvents(bool mute) { g_bMuted = mute; }

int PageSeconds() { return g_pageSeconds; }

int ReceptionUpdates() { return g_receptionUpdates; }

std::string ModuleText(DWORD id)
{
    char text[256] = {};
    if (!LoadStringA(Demo().module.handle, static_cast<UINT>(id), text, sizeof text))
        return "(string " + std::to_string(id) + ")";
    return text;
}

bool GiveEngineTime()
{
    bool busy = Demo().fax.tick(Demo().engine) != 0;
    if (g_activity.hideInTicks > 0 && --g_activity.hideInTicks == 0) {
        Demo().module.hideFaxStatus(0);
        g_activity = Activity();
    }
    return busy || g_activity.hideInTicks > 0;
}

void ForwardEngineEvent(WPARAM kind, const FAXENGINE_EVENT* event)
{
    if (!event || g_bMuted)
        return;
    DemoHost& demo = Demo();
    char line[320];
    switch (kind) {
    case FAXEVENT_SHOW_STATUS:
        g_activity.hideInTicks = 0;
        g_activity.recipient = event->pRecord ? Text(event->pRecord->szDestName) : std::string();
        g_activity.page = g_activity.pages = g_activity.progress = 0;
        demo.module.showFaxStatus(&demo.hostWnd, demo.engine, event->pRecord);
        std::snprintf(line, sizeof line, "Engine starts job %lu to %s (%s)",
                      static_cast<unsigned long>(event->pRecord ? event->pRecord->dwJobID : 0),
                      g_activity.recipient.c_str(), event->pRecord ? Text(event->pRecord->szDestFax).c_str() : "");
        Log(line);
        break;
    case FAXEVENT_UPDATE_STATUS:
        demo.module.updateFaxStatus(0, event->dwCode, event->dwDetail);
        switch (event->dwCode) {
        case FAXENGINE_STATUS_BAUD_RATE:
            // Which texts the status line shows is the host's choice: once connected, "Sending".
            demo.module.updateFaxStatus(0, FAXSTATUS_STATUS_TEXT, kTextSending);
            g_activity.text = ModuleText(kTextSending);
            Log("Engine connected at " + std::to_string(event->dwDetail) + " baud");
            break;
        case FAXENGINE_STATUS_TEXT:
            g_activity.text = ModuleText(event->dwDetail);
            Log("Engine status: " + g_activity.text);
            break;
        case FAXENGINE_STATUS_PAGE:
            g_activity.page = event->dwDetail;
            Log("Engine sends page " + std::to_string(event->dwDetail) + " of " + std::to_string(g_activity.pages));
            break;
        case FAXENGINE_STATUS_PROGRESS:
            g_activity.progress = event->dwDetail;  // too many for the list: the status bar has it
            break;
        case FAXENGINE_STATUS_TOTAL_PAGES:
            g_activity.pages = event->dwDetail;
            break;
        default:
            break;
        }
        break;
    case FAXEVENT_HIDE_STATUS:
        // A host hides the window after a moment, so that the outcome can be read.
        g_activity.hideInTicks = kHideDelayTicks;
        Log("Engine ended the transmission");
        break;
    case FAXEVENT_SEND_LOG:
    case FAXEVENT_RECEIVE_LOG: {
        bool send = kind == FAXEVENT_SEND_LOG;
        (send ? demo.module.notifySendLog : demo.module.notifyReceiveLog)(event->pRecord, event->dwCode);
        const SEND_FAX* record = event->pRecord;
        if (!record)
            break;
        if (!send && record->nState == 23) {
            std::snprintf(line, sizeof line, "Engine receives fax %lu from %s: page %d of %d",
                          static_cast<unsigned long>(record->dwJobID), Text(record->szDestName).c_str(),
                          record->nRcvPages, record->nTotPages);
            g_receiving = "Receiving page " + std::to_string(record->nRcvPages + 1) + " of " +
                          std::to_string(record->nTotPages) + " from " + Text(record->szDestName);
            ++g_receptionUpdates;
        } else {
            if (!send)
                g_receiving.clear();
            static const char* const kKinds[] = {"", "waiting", "sending", "", "sent", "", "", "", "failed"};
            const char* what = send ? (record->nLogType >= 0 && record->nLogType <= 8 ? kKinds[record->nLogType] : "")
                                    : (record->nError ? "failed reception" : "received");
            std::snprintf(line, sizeof line, "%s log: fax %lu to %s %s (%s)", send ? "Send" : "Receive",
                          static_cast<unsigned long>(record->dwJobID), Text(record->szDestName).c_str(),
                          event->dwCode == FAXLOG_ENTRY_REMOVED ? "removed" : "now", what);
        }
        Log(line);
        break;
    }
    default:
        break;
    }
}

std::string EngineActivity()
{
    if (g_activity.recipient.empty() && g_activity.text.empty())
        return g_receiving.empty() ? "Engine idle" : g_receiving;
    char line[200];
    if (g_activity.page)
        std::snprintf(line, sizeof line, "Sending page %lu of %lu to %s (%lu%%)", g_activity.page, g_activity.pages,
                      g_activity.recipient.c_str(), g_activity.progress);
    else
        std::snprintf(line, sizeof line, "%s %s", g_activity.text.c_str(), g_activity.recipient.c_str());
    return line;
}
