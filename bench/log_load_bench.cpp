// Times the Fax Logs sheet on long logs, driven as a host drives it: RWFaxDlg.dll's exports
// with the stand-in engine holding the entries in memory. For each log length it measures
// - opening Fax Logs until every received fax is in the receive page's list, and switching
//   to the send page until every send job of its four kinds is in its list;
// - the floor: a bare report list view of the same size and column widths filled with the
//   same seven texts per row, redraw off, in the same run;
// - engine reports on the open pages (a new entry, a changed one, one after a sort, a
//   removal; through the exports and through message 2039);
// - a header-click sort by date against one by name, and repainting and scrolling the
//   owner-drawn list.
//   log_load_bench [entries...]      (default 1000 10000 100000; the best of five runs, of
//                                     three from 100,000 entries)
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "RWFaxDlg.h"
#include "engine/fax_engine.h"
#include "standins/engine/vovado32_standin.h"

namespace {

constexpr UINT kEngineMessage = WM_APP + 1;
constexpr UINT kMeasure = WM_APP + 2;
constexpr int kListId = 50030;
constexpr int kReports = 20;

using bench::Now;

using bench::Bind;

struct Module {
    HMODULE dll = LoadLibraryA("RWFaxDlg.dll");
    PFN_FaxDLL_OnFaxLogs onFaxLogs = Bind<PFN_FaxDLL_OnFaxLogs>(dll, FAXDLL_EXPORT_NAME(FaxDLL_OnFaxLogs, 8));
    PFN_FaxDLL_NotifyReceiveLog notifyReceive =
        Bind<PFN_FaxDLL_NotifyReceiveLog>(dll, FAXDLL_EXPORT_NAME(FaxDLL_NotifyReceiveLog, 8));
    PFN_FaxDLL_NotifySendLog notifySend = Bind<PFN_FaxDLL_NotifySendLog>(dll, FAXDLL_EXPORT_NAME(FaxDLL_NotifySendLog, 8));
};

struct Engine {
    HMODULE dll = GetModuleHandleA("VOVADO32.dll");
    decltype(&FaxStandInOpen) open = Bind<decltype(&FaxStandInOpen)>(dll, "FaxStandInOpen");
    decltype(&FaxStandInClose) close = Bind<decltype(&FaxStandInClose)>(dll, "FaxStandInClose");
    decltype(&FaxStandInHoldInMemory) holdInMemory = Bind<decltype(&FaxStandInHoldInMemory)>(dll, "FaxStandInHoldInMemory");
    decltype(&FaxStandInAddLogEntry) addEntry = Bind<decltype(&FaxStandInAddLogEntry)>(dll, "FaxStandInAddLogEntry");
    decltype(&FaxLogInit) logInit = Bind<decltype(&FaxLogInit)>(dll, "FaxLogInit");
    decltype(&FaxLogGetCount) logCount = Bind<decltype(&FaxLogGetCount)>(dll, "FaxLogGetCount");
    decltype(&FaxLogNextBlock) nextBlock = Bind<decltype(&FaxLogNextBlock)>(dll, "FaxLogNextBlock");
};

// Entries of the last three years at any second, from a few hundred senders.
void AddEntries(const Engine& engine, FAXENGINE handle, int count, bool sendLog)
{
    std::mt19937 random(4711u + static_cast<unsigned>(count) + (sendLog ? 1u : 0u));
    static const SHORT kSendKinds[] = {FAXLOG_FAILED, FAXLOG_SENT, FAXLOG_WAITING, FAXLOG_SENDING};
    char onHold[] = "On Hold";
    for (int i = 0; i < count; ++i) {
        std::string name = "Sender " + std::to_string(random() % 500);
        std::string fax = "555 " + std::to_string(1000 + random() % 9000);
        std::string company = "Company " + std::to_string(random() % 200);
        SEND_FAX record = {};
        record.szDestName = name.data();
        record.szDestFax = fax.data();
        record.szToCompany = company.data();
        record.nLogType = sendLog ? kSendKinds[i % 4] : FAXLOG_RECEIVED;
        record.nState = 3;
        record.nError = record.nLogType == FAXLOG_FAILED ? 1 : 0;
        if (record.nLogType == FAXLOG_WAITING && random() % 4 == 0)
            record.szUserDefined = onHold;
        record.nYear = static_cast<int16_t>(2023 + random() % 3);
        record.nMonth = static_cast<int16_t>(1 + random() % 12);
        record.nDay = static_cast<int16_t>(1 + random() % 28);
        record.nHour = static_cast<int16_t>(random() % 24);
        record.nMinute = static_cast<int16_t>(random() % 60);
        record.nSecond = static_cast<int16_t>(random() % 60);
        record.nTotPages = static_cast<int16_t>(1 + random() % 20);
        engine.addEntry(handle, &record);
    }
}

int ItemCount(HWND list) { return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

std::vector<std::string> RowTexts(HWND list)
{
    std::vector<std::string> texts;
    const int rows = ItemCount(list);
    texts.reserve(static_cast<size_t>(rows) * 7);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < 7; ++column) {
            char text[128] = {};
            LVITEMA item = {};
            item.iSubItem = column;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
            texts.emplace_back(text);
        }
    return texts;
}

template <typename Report>
double MedianMs(Report report);

// Adds the first row's texts as a new last row, straight to the list view.
void AddRow(HWND list, const std::vector<std::string>& texts)
{
    if (texts.size() < 7)
        return;
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = ItemCount(list);
    item.pszText = const_cast<char*>(texts[0].c_str());
    int inserted = static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    for (int column = 1; column < 7; ++column) {
        LVITEMA cell = {};
        cell.iSubItem = column;
        cell.pszText = const_cast<char*>(texts[static_cast<size_t>(column)].c_str());
        SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(inserted), reinterpret_cast<LPARAM>(&cell));
    }
}

// The size of the receive page's list and the widths of its columns, which the floor's list
// takes: a list whose columns are wider than it is pays for a second scroll bar.
struct ListShape {
    int width = 600, height = 300;
    int columns[7] = {80, 80, 80, 80, 80, 80, 80};
};

ListShape ShapeOf(HWND list)
{
    ListShape shape;
    RECT rect = {};
    GetWindowRect(list, &rect);
    shape.width = rect.right - rect.left;
    shape.height = rect.bottom - rect.top;
    for (int column = 0; column < 7; ++column)
        shape.columns[column] = static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
    return shape;
}

// The floor: a bare report list view of the page list's shape filled with the texts, seven
// per row, redraw off.
double FloorFill(HWND parent, const ListShape& shape, const std::vector<std::string>& texts,
                 double* rowAddedMs = nullptr)
{
    HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0,
                                shape.width, shape.height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    for (int column = 0; column < 7; ++column) {
        LVCOLUMNA attributes = {};
        attributes.mask = LVCF_TEXT | LVCF_WIDTH;
        attributes.cx = shape.columns[column];
        attributes.pszText = const_cast<char*>("Column");
        SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&attributes));
    }
    const double start = Now();
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    for (size_t row = 0; row * 7 < texts.size(); ++row) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(row);
        item.pszText = const_cast<char*>(texts[row * 7].c_str());
        int inserted = static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        for (int column = 1; column < 7; ++column) {
            LVITEMA cell = {};
            cell.iSubItem = column;
            cell.pszText = const_cast<char*>(texts[row * 7 + static_cast<size_t>(column)].c_str());
            SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(inserted), reinterpret_cast<LPARAM>(&cell));
        }
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    const double elapsed = Now() - start;
    // A row added to the shown list, as a report adds one; owner-drawn, as the log lists are,
    // which costs the system more than a plain list.
    SetWindowLongA(list, GWL_STYLE, GetWindowLongA(list, GWL_STYLE) | LVS_OWNERDRAWFIXED);
    if (rowAddedMs)
        *rowAddedMs = MedianMs([&](int) { AddRow(list, texts); });
    DestroyWindow(list);
    return elapsed;
}

// The engine's own part: reading every entry of the kinds through its calls.
double EngineWalk(const Engine& engine, FAXENGINE handle, std::initializer_list<SHORT> kinds)
{
    const double start = Now();
    for (SHORT kind : kinds) {
        engine.logCount(handle, kind);
        engine.logInit(handle, kind);
        for (;;) {
            SEND_FAX* block = nullptr;
            SHORT count = FAXLOG_BLOCK_ENTRIES;
            SHORT result = engine.nextBlock(handle, &block, &count);
            if (block) {
                HGLOBAL memory = GlobalHandle(block);
                GlobalUnlock(memory);
                GlobalFree(memory);
            }
            if (count <= 0 || result != FAXLOG_MORE_BLOCKS)
                break;
        }
    }
    return Now() - start;
}

DWORD RowJobId(HWND list, int row)
{
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return static_cast<DWORD>(item.lParam);
}

// Milliseconds per call of report, the median of kReports.
template <typename Report>
double MedianMs(Report report)
{
    std::vector<double> times;
    for (int i = 0; i < kReports; ++i) {
        const double start = Now();
        report(i);
        times.push_back(Now() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2] * 1000;
}

void ClickHeader(HWND list, int column)
{
    NMHEADERA click = {};
    click.hdr.hwndFrom = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    click.hdr.idFrom = 0;
    click.hdr.code = HDN_ITEMCLICKA;
    click.iItem = column;
    click.iButton = 0;
    SendMessageA(list, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
}

struct Results {
    int entries = 0;
    double recvOpen = 0, sendOpen = 0;
    int recvRows = 0, sendRows = 0;
    std::vector<std::string> recvTexts, sendTexts;
    ListShape shape;
    double addMs = 0, replaceMs = 0, messageMs = 0, afterSortMs = 0, removeMs = 0, sendReplaceMs = 0;
    double dateSort = 0, textSort = 0;
    double repaintMs = 0, scrollMs = 0;
    double recvEngine = 0, sendEngine = 0, floorRowMs = 0, listRowMs = 0;
};

struct Run {
    const Module& module;
    FAXHOSTWND host;
    FAXENGINE engine;
    Results results;
    double started = 0;
    HWND measurer = nullptr;
    bool posted = false;
    bool openOnly = false;  // a further run: only the times to open the two pages
};
Run* g_run = nullptr;
HHOOK g_hook = nullptr;

LRESULT CALLBACK OnActivate(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && g_run && !g_run->posted) {
        // Measured when the sheet's loop takes the message: the first page is filled by then.
        g_run->posted = true;
        PostMessageA(g_run->measurer, kMeasure, wParam, 0);
    }
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

void MeasureOpenSheet(HWND sheet)
{
    Run& run = *g_run;
    Results& r = run.results;
    r.recvOpen = Now() - run.started;
    HWND recvPage = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    HWND recvList = GetDlgItem(recvPage, kListId);
    r.recvRows = ItemCount(recvList);
    r.shape = ShapeOf(recvList);
    if (run.openOnly) {
        const double start = Now();
        SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
        r.sendOpen = Now() - start;
        PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        return;
    }
    r.recvTexts = RowTexts(recvList);

    char name[] = "New sender";
    SEND_FAX report = {};
    report.szDestName = name;
    report.nLogType = FAXLOG_RECEIVED;
    report.nState = 3;
    report.nYear = 2025;
    report.nMonth = report.nDay = 1;
    r.addMs = MedianMs([&](int i) {
        report.dwJobID = 0x7F000000u + static_cast<DWORD>(i);
        run.module.notifyReceive(&report, FAXLOG_CHANGE_UPDATED);
    });
    const int middle = ItemCount(recvList) / 2;
    r.replaceMs = MedianMs([&](int i) {
        report.dwJobID = RowJobId(recvList, middle + i);
        run.module.notifyReceive(&report, FAXLOG_CHANGE_UPDATED);
    });
    r.messageMs = MedianMs([&](int i) {
        report.dwJobID = RowJobId(recvList, middle - i);
        SendMessageA(recvPage, WM_RECVLOG_NOTIFY, reinterpret_cast<WPARAM>(&report), FAXLOG_CHANGE_UPDATED);
    });

    // What the system alone takes to add a row to this very list, without the module: its
    // row count raised by one (the module keeps the rows, the list view counts them).
    const int listed = ItemCount(recvList);
    r.listRowMs = MedianMs([&](int i) {
        SendMessageA(recvList, LVM_SETITEMCOUNT, static_cast<WPARAM>(listed + 1 + i), LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
    });
    SendMessageA(recvList, LVM_SETITEMCOUNT, static_cast<WPARAM>(listed), LVSICF_NOSCROLL);

    double start = Now();
    ClickHeader(recvList, 1);
    r.dateSort = Now() - start;
    start = Now();
    ClickHeader(recvList, 4);
    r.textSort = Now() - start;
    r.afterSortMs = MedianMs([&](int i) {
        report.dwJobID = RowJobId(recvList, ItemCount(recvList) - 1 - 3 * i);  // the list looks from the top
        run.module.notifyReceive(&report, FAXLOG_CHANGE_UPDATED);
    });
    r.removeMs = MedianMs([&](int i) {
        report.dwJobID = RowJobId(recvList, middle + 2 * i);
        run.module.notifyReceive(&report, FAXLOG_CHANGE_REMOVED);
    });

    // Repainting and scrolling the owner-drawn list, as the user sees it.
    SetFocus(recvList);
    r.repaintMs = MedianMs([&](int) { RedrawWindow(recvList, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); });
    r.scrollMs = MedianMs([&](int) {
        SendMessageA(recvList, WM_VSCROLL, SB_PAGEDOWN, 0);
        UpdateWindow(recvList);
    });

    start = Now();
    SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
    r.sendOpen = Now() - start;
    HWND sendPage = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    HWND sendList = GetDlgItem(sendPage, kListId);
    r.sendRows = ItemCount(sendList);
    r.sendTexts = RowTexts(sendList);
    SEND_FAX sent = report;
    sent.nLogType = FAXLOG_SENT;
    const int sendMiddle = ItemCount(sendList) / 2;
    r.sendReplaceMs = MedianMs([&](int i) {
        sent.dwJobID = RowJobId(sendList, sendMiddle + i);
        run.module.notifySend(&sent, FAXLOG_CHANGE_UPDATED);
    });
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

LRESULT CALLBACK MeasurerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kMeasure) {
        MeasureOpenSheet(reinterpret_cast<HWND>(wParam));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = MeasurerProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "RWFaxLogBench";
    RegisterClassA(&windowClass);
    HWND host = CreateWindowA("RWFaxLogBench", "Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 700, 400, nullptr,
                              nullptr, instance, nullptr);
    HWND measurer = CreateWindowA("RWFaxLogBench", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);

    Module module;
    Engine engine;
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty())
        sizes = {1000, 10000, 100000};

    std::printf("Opening Fax Logs (module) against a bare list view filled with the same texts (floor)\n");
    std::printf("%8s %5s %8s %10s %9s %6s %14s\n", "entries", "page", "rows", "module s", "floor s", "ratio",
                "(engine s)");
    std::vector<Results> all;
    // Opens Fax Logs on logs of `count` entries each (the receive log, and the send log's
    // four kinds together) and measures everything on the open sheet.
    auto openFaxLogs = [&](int count, bool openOnly) {
        engine.holdInMemory();
        FAXHOSTWND hostObject = {};
        hostObject.hWnd = host;
        Run run{module, hostObject, engine.open(host, kEngineMessage), {}, 0, measurer};
        AddEntries(engine, run.engine, count, false);
        AddEntries(engine, run.engine, count, true);
        run.results.entries = count;
        run.openOnly = openOnly;
        g_run = &run;
        g_hook = SetWindowsHookExA(WH_CBT, OnActivate, nullptr, GetCurrentThreadId());
        run.started = Now();
        module.onFaxLogs(&run.host, run.engine);
        UnhookWindowsHookEx(g_hook);
        g_run = nullptr;
        run.results.recvEngine = EngineWalk(engine, run.engine, {FAXLOG_RECEIVED});
        run.results.sendEngine = EngineWalk(engine, run.engine, {FAXLOG_FAILED, FAXLOG_SENT, FAXLOG_WAITING, FAXLOG_SENDING});
        engine.close(run.engine);
        return run.results;
    };

    Results empty = openFaxLogs(0, true);
    for (int run = 1; run < 5; ++run) {
        const Results again = openFaxLogs(0, true);
        empty.recvOpen = std::min(empty.recvOpen, again.recvOpen);
        empty.sendOpen = std::min(empty.sendOpen, again.sendOpen);
    }
    std::printf("(with empty logs the receive page opens in %.3f s, the send page in %.3f s; both are part of the "
                "module times)\n",
                empty.recvOpen, empty.sendOpen);
    for (int count : sizes) {
        if (count <= 0)
            continue;
        // The best of several runs of each, module and floor taking turns, as the machine
        // allows: the first run of a length also pays for the memory the process grows by.
        const int runs = count >= 100000 ? 3 : 5;
        Results r = openFaxLogs(count, false);
        double recvFloor = FloorFill(host, r.shape, r.recvTexts, &r.floorRowMs);
        double sendFloor = FloorFill(host, r.shape, r.sendTexts);
        for (int run = 1; run < runs; ++run) {
            const Results again = openFaxLogs(count, true);
            r.recvOpen = std::min(r.recvOpen, again.recvOpen);
            r.sendOpen = std::min(r.sendOpen, again.sendOpen);
            recvFloor = std::min(recvFloor, FloorFill(host, r.shape, r.recvTexts));
            sendFloor = std::min(sendFloor, FloorFill(host, r.shape, r.sendTexts));
        }
        std::printf("%8d %5s %8d %10.3f %9.3f %6.2f %14.3f %s\n", count, "recv", r.recvRows, r.recvOpen, recvFloor,
                    r.recvOpen / recvFloor, r.recvEngine, r.recvRows == count ? "" : "(rows missing!)");
        std::printf("%8d %5s %8d %10.3f %9.3f %6.2f %14.3f %s\n", count, "send", r.sendRows, r.sendOpen, sendFloor,
                    r.sendOpen / sendFloor, r.sendEngine, r.sendRows == count ? "" : "(rows missing!)");
        std::fflush(stdout);
        r.recvTexts.clear();
        r.sendTexts.clear();
        all.push_back(r);
    }

    std::printf("\nEngine reports on the open pages, median of %d, ms. Floors: the page's list counting one row more "
                "(the system alone), and a row added to a shown owner-drawn bare list of its shape\n",
                kReports);
    std::printf("%8s %8s %8s %8s %10s %8s %10s %10s %10s\n", "entries", "new", "changed", "msg 2039", "after sort",
                "removed", "send page", "same list", "bare list");
    for (const Results& r : all)
        std::printf("%8d %8.2f %8.2f %8.2f %10.2f %8.2f %10.2f %10.2f %10.2f\n", r.entries, r.addMs, r.replaceMs,
                    r.messageMs, r.afterSortMs, r.removeMs, r.sendReplaceMs, r.listRowMs, r.floorRowMs);
    std::printf("\nHeader-click sorts of the receive page, s; repainting and scrolling a page of rows, median ms\n");
    std::printf("%8s %8s %8s %10s %10s %10s\n", "entries", "by date", "by name", "date/name", "repaint", "page down");
    for (const Results& r : all)
        std::printf("%8d %8.3f %8.3f %10.2f %10.2f %10.2f\n", r.entries, r.dateSort, r.textSort, r.dateSort / r.textSort,
                    r.repaintMs, r.scrollMs);
    DestroyWindow(measurer);
    DestroyWindow(host);
    return 0;
}
