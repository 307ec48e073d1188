#include "demo/window_gallery.h"

#include <commctrl.h>

#include <cctype>
#include <set>
#include <vector>

#include "demo/demo_host.h"
#include "demo/screenshot.h"

namespace {
// Controls of the module's windows that lead to further windows worth a picture.
constexpr int kSendFaxOptions = 50000;
constexpr int kSendFaxPreview = 50002;
constexpr int kSendFaxCoverPage = 50003;
constexpr int kLogList = 50030;
constexpr int kSendLogReschedule = 50064;
constexpr int kSendLogDelete = 50114;
constexpr int kBooksNew = 50059;
constexpr char kViewerClass[] = "RWFaxDemoViewer";
constexpr UINT kSettleMilliseconds = 300;  // a new window paints before it is pictured

WindowGallery* g_gallery = nullptr;
std::vector<HWND> g_waiting;  // activated windows, the newest last
std::set<HWND> g_visited;

std::string Caption(HWND window)
{
    char text[128] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// A message box: a dialog with one static text and no other static (the module's dialogs
// have labels, all with the identifier 0xFFFF, message boxes only their text).
bool IsMessageBox(HWND window)
{
    HWND text = GetDlgItem(window, 0xFFFF);
    return text && !FindWindowExA(window, text, "Static", nullptr) && !FindWindowExA(window, nullptr, "Button", "&Help");
}

std::string ControlText(HWND control)
{
    char text[128] = {};
    GetWindowTextA(control, text, sizeof text);
    return text;
}

// Selects the first row of a log list whose status is the text given (all rows for "").
bool SelectRow(HWND list, const char* status)
{
    for (int row = 0; row < ListView_GetItemCount(list); ++row) {
        char text[32] = {};
        ListView_GetItemText(list, row, 0, text, sizeof text);
        if (*status && std::string(text) != status)
            continue;
        ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
        ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        return true;
    }
    return false;
}

// The viewer the host opened for the module's last request, pictured and closed.
void PictureViewer(WindowGallery& gallery, const std::string& name)
{
    if (HWND viewer = FindWindowA(kViewerClass, nullptr)) {
        gallery.Picture(viewer, name);
        DestroyWindow(viewer);
    }
}

// A double click on the selected row of a log list, as the list reports it to its page.
void DoubleClick(HWND page, HWND list)
{
    NMITEMACTIVATE click = {};
    click.hdr.hwndFrom = list;
    click.hdr.idFrom = kLogList;
    click.hdr.code = NM_DBLCLK;
    click.iItem = ListView_GetNextItem(list, -1, LVNI_SELECTED);
    SendMessageA(page, WM_NOTIFY, kLogList, reinterpret_cast<LPARAM>(&click));
}
}  // namespace

std::string PictureName(const std::string& caption)
{
    std::string name;
    for (char c : caption) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        else if (!name.empty() && name.back() != '-')
            name += '-';
    }
    while (!name.empty() && name.back() == '-')
        name.pop_back();
    return name;
}

WindowGallery::WindowGallery(const std::string& folder) : m_folder(folder)
{
    CreateDirectoryA(folder.c_str(), nullptr);
    g_gallery = this;
    m_hook = SetWindowsHookExA(WH_CBT, OnActivate, nullptr, GetCurrentThreadId());
}

WindowGallery::~WindowGallery()
{
    UnhookWindowsHookEx(m_hook);
    g_gallery = nullptr;
    g_waiting.clear();
}

bool WindowGallery::Picture(HWND window, const std::string& name)
{
    bool written = SaveWindowPng(window, m_folder + "\\" + name + ".png");
    Log(written ? "Picture " + name + ".png written" : "Picture " + name + ".png could not be written");
    m_written += written;
    return written;
}

LRESULT CALLBACK WindowGallery::OnActivate(int code, WPARAM wParam, LPARAM lParam)
{
    HWND window = reinterpret_cast<HWND>(wParam);
    char className[16] = {};
    if (code == HCBT_ACTIVATE && g_gallery && GetClassNameA(window, className, sizeof className) &&
        std::string(className) == "#32770" && !g_visited.count(window)) {
        g_visited.insert(window);
        g_waiting.push_back(window);
        SetTimer(nullptr, 0, kSettleMilliseconds, OnSettled);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK WindowGallery::OnSettled(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    if (g_waiting.empty() || !g_gallery)
        return;
    HWND window = g_waiting.back();
    g_waiting.pop_back();
    // Only modal windows, whose owner is disabled while they run: the modeless status
    // window stays as the tour leaves it.
    HWND owner = GetWindow(window, GW_OWNER);
    if (IsWindow(window) && !(owner && IsWindowEnabled(owner)))
        g_gallery->Visit(window);
}

void WindowGallery::Visit(HWND window)
{
    std::string caption = Caption(window);
    if (PropSheet_GetCurrentPageHwnd(window)) {
        VisitSheet(window, caption);
        PropSheet_PressButton(window, PSBTN_CANCEL);
        return;
    }
    if (IsMessageBox(window))
        Picture(window, "message-" + PictureName(caption.empty() ? ControlText(GetDlgItem(window, 0xFFFF)) : caption));
    else
        Picture(window, PictureName(caption));
    // The Send Fax dialog leads to its Send Options dialog and the preview of a cover page.
    if (caption == "Fax Send") {
        SendDlgItemMessageA(window, kSendFaxOptions, BM_CLICK, 0, 0);
        SendDlgItemMessageA(window, kSendFaxCoverPage, BM_CLICK, 0, 0);
        SendDlgItemMessageA(window, kSendFaxPreview, BM_CLICK, 0, 0);
        PictureViewer(*this, "cover-page-preview");
    }
    // Manage Phonebooks leads to the New Phonebook dialog.
    if (caption == "Manage Phonebooks")
        SendDlgItemMessageA(window, kBooksNew, BM_CLICK, 0, 0);
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
}

void WindowGallery::VisitSheet(HWND sheet, const std::string& caption)
{
    HWND tabs = PropSheet_GetTabControl(sheet);
    int pages = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int page = 0; page < pages; ++page) {
        PropSheet_SetCurSel(sheet, nullptr, page);
        char title[64] = {};
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = title;
        item.cchTextMax = sizeof title;
        SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(page), reinterpret_cast<LPARAM>(&item));
        Picture(sheet, PictureName(caption) + "-" + PictureName(title));
        // The send log leads to the viewer (a double click on a sent fax), the Schedule
        // dialog (Reschedule of a pending fax) and the confirmation of Delete.
        HWND pageWindow = PropSheet_GetCurrentPageHwnd(sheet);
        HWND list = GetDlgItem(pageWindow, kLogList);
        if (!list || !GetDlgItem(pageWindow, kSendLogDelete))
            continue;
        if (SelectRow(list, "Complete")) {
            DoubleClick(pageWindow, list);
            PictureViewer(*this, "fax-viewer-sent-fax");
        }
        if (SelectRow(list, "Pending"))
            SendDlgItemMessageA(pageWindow, kSendLogReschedule, BM_CLICK, 0, 0);
        if (SelectRow(list, ""))
            SendDlgItemMessageA(pageWindow, kSendLogDelete, BM_CLICK, 0, 0);
    }
}
