// Times sorting a report list of log-like rows: the date column against a text column of
// the same rows, with a bare fill of the same list view as the floor. For reference it also
// times a date sort that parses both texts inside every comparison.
//   list_sort_bench [rows...]      (default 1000 10000 100000)
#include <windows.h>
#include <commctrl.h>
#include <oleauto.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "controls/sort_list_ctrl.h"

namespace {

using bench::Now;

struct Row {
    std::string cells[7];
};

std::vector<Row> MakeRows(int count)
{
    std::mt19937 random(12345u + static_cast<unsigned>(count));
    const char* statuses[] = {"Complete", "Error", "Pending", "On Hold", "Sending"};
    std::vector<Row> rows(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        Row& row = rows[static_cast<size_t>(i)];
        SYSTEMTIME when = {};
        // Any day of 2022 to 2025.
        FILETIME base;
        SYSTEMTIME start = {2022, 1, 0, 1, 0, 0, 0, 0};
        SystemTimeToFileTime(&start, &base);
        ULARGE_INTEGER value;
        value.LowPart = base.dwLowDateTime;
        value.HighPart = base.dwHighDateTime;
        value.QuadPart += static_cast<ULONGLONG>(random() % (4 * 365 * 86400)) * 10000000ull;
        FILETIME moment = {value.LowPart, value.HighPart};
        FileTimeToSystemTime(&moment, &when);
        char text[80];
        GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &when, nullptr, text, sizeof text);
        row.cells[1] = text;
        GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &when, nullptr, text, sizeof text);
        row.cells[2] = text;
        row.cells[0] = statuses[random() % 5];
        row.cells[3] = std::to_string(1 + random() % 50);
        row.cells[4] = "Recipient " + std::to_string(random() % 1000000);
        row.cells[5] = "Company " + std::to_string(random() % 5000);
        row.cells[6] = "555-" + std::to_string(1000 + random() % 9000);
    }
    return rows;
}

const char kHostClass[] = "RWFaxBenchHost";

struct Bench {
    CWnd host;  // reflects the list's notifications, as a dialog does
    CSortListCtrl list;

    explicit Bench(HINSTANCE instance)
    {
        HWND window = CreateWindowExA(0, kHostClass, "bench", WS_OVERLAPPEDWINDOW, 0, 0, 900, 600, nullptr, nullptr,
                                      instance, nullptr);
        host.SubclassWindow(window);
        HWND listWindow = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0,
                                          880, 560, window, reinterpret_cast<HMENU>(1), instance, nullptr);
        list.SubclassWindow(listWindow);
        const unsigned char types[] = {1, 3, 3, 2, 1, 1, 1};
        if (list.SetColumnTypes(types, 7))
            list.EnableSort(1);
        list.SetHighlightType(2);
        list.EnableHeaderDrag(1);
        const char* titles[] = {"Status", "Date", "Time", "Pages", "Name", "Company", "Fax"};
        for (int column = 0; column < 7; ++column)
            list.InsertColumn(column, titles[column], LVCFMT_LEFT, 120);
    }
    ~Bench()
    {
        list.DestroyWindow();
        host.DestroyWindow();
    }

    // The rows as the log pages add them; quiet: with the list's redrawing off meanwhile.
    void Fill(const std::vector<Row>& rows, bool quiet)
    {
        if (quiet)
            list.SendMessage(WM_SETREDRAW, FALSE);
        list.DeleteAllItems();
        for (size_t i = 0; i < rows.size(); ++i) {
            int item = list.InsertItem(static_cast<int>(i), rows[i].cells[0].c_str());
            for (int column = 1; column < 7; ++column)
                list.SetItemText(item, column, rows[i].cells[column].c_str());
            list.SetItemData(item, static_cast<LPARAM>(i));
        }
        if (quiet)
            list.SendMessage(WM_SETREDRAW, TRUE);
    }

    bool DatesAscending()
    {
        double previous = -1e300;
        for (int item = 0; item < list.GetItemCount(); ++item) {
            std::string text = list.GetItemText(item, 1);
            std::wstring wide(text.begin(), text.end());
            DATE date = 0;
            if (FAILED(VarDateFromStr(wide.data(), LOCALE_USER_DEFAULT, 0, &date)) || date < previous)
                return false;
            previous = date;
        }
        return true;
    }
};

// The obvious way: both texts fetched and parsed inside every comparison.
struct NaiveContext {
    HWND list;
    int column;
};

DATE ParseCell(HWND list, int item, int column)
{
    char text[80] = {};
    LVITEMA cell = {};
    cell.iSubItem = column;
    cell.pszText = text;
    cell.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&cell));
    wchar_t wide[80];
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 80);
    DATE date = 0;
    if (FAILED(VarDateFromStr(wide, LOCALE_USER_DEFAULT, 0, &date)))
        return -1e300;
    return date;
}

int CALLBACK NaiveCompare(LPARAM first, LPARAM second, LPARAM context)
{
    const auto* naive = reinterpret_cast<const NaiveContext*>(context);
    DATE a = ParseCell(naive->list, static_cast<int>(first), naive->column);
    DATE b = ParseCell(naive->list, static_cast<int>(second), naive->column);
    return a < b ? -1 : (a > b ? 1 : 0);
}

}  // namespace

int main(int argc, char** argv)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kHostClass;
    RegisterClassA(&windowClass);

    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty())
        sizes = {1000, 10000, 100000};

    std::printf("%8s %10s %12s %12s %12s %10s %14s\n", "rows", "fill s", "quiet fill s", "date sort s",
                "text sort s", "date/text", "naive date s");
    for (int count : sizes) {
        if (count <= 0)
            continue;
        std::vector<Row> rows = MakeRows(count);
        const int repeats = count >= 100000 ? 2 : 3;
        double quietFill = 1e300, dateSort = 1e300, textSort = 1e300;
        bool ordered = true;
        Bench bench(instance);
        double start = Now();
        bench.Fill(rows, false);
        double fill = Now() - start;
        for (int r = 0; r < repeats; ++r) {
            double t0 = Now();
            bench.Fill(rows, true);
            double t1 = Now();
            bench.list.m_nSortColumn = -1;
            bench.list.SortByColumnClick(1);  // the date column, from the fill's order
            double t2 = Now();
            ordered = ordered && bench.DatesAscending();
            bench.Fill(rows, true);
            double t3 = Now();
            bench.list.SortByColumnClick(4);  // a text column, from the same order
            double t4 = Now();
            quietFill = std::min(quietFill, t1 - t0);
            dateSort = std::min(dateSort, t2 - t1);
            textSort = std::min(textSort, t4 - t3);
        }
        double naive = -1;
        if (count <= 10000) {
            bench.Fill(rows, true);
            NaiveContext context = {bench.list.m_hWnd, 1};
            double t0 = Now();
            SendMessageA(bench.list.m_hWnd, LVM_SORTITEMSEX, reinterpret_cast<WPARAM>(&context),
                         reinterpret_cast<LPARAM>(&NaiveCompare));
            naive = Now() - t0;
        }
        std::printf("%8d %10.3f %12.3f %12.3f %12.3f %10.2f", count, fill, quietFill, dateSort, textSort,
                    dateSort / textSort);
        if (naive >= 0)
            std::printf(" %14.3f", naive);
        else
            std::printf(" %14s", "-");
        std::printf("%s\n", ordered ? "" : "  (dates out of order!)");
        std::fflush(stdout);
    }
    return 0;
}
