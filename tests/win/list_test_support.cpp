#include "list_test_support.h"

namespace listtest {

namespace {
const char kHostClass[] = "RWFaxListTestHost";

void RegisterHostClass()
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kHostClass;
    registered = RegisterClassA(&windowClass) != 0;
}

LPARAM PointParam(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }
}  // namespace

HostWindow::HostWindow(int width, int height)
{
    RegisterHostClass();
    HWND window = CreateWindowExA(0, kHostClass, "List test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, width, height,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window)
        SubclassWindow(window);
}

HostWindow::~HostWindow()
{
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
}

LRESULT HostWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == LVN_ENDLABELEDITA) {
        const auto* info = reinterpret_cast<const NMLVDISPINFOA*>(lParam);
        const bool fromList = info->hdr.hwndFrom == ::GetDlgItem(m_hWnd, static_cast<int>(wParam));
        m_labelEdits.push_back(std::to_string(wParam) + (fromList ? " from the list " : " from another window ") +
                               std::to_string(info->hdr.idFrom) + " mask " + std::to_string(info->item.mask) + " item " +
                               std::to_string(info->item.iItem) + "." + std::to_string(info->item.iSubItem) + " " +
                               (info->item.pszText ? info->item.pszText : "no text") + " " +
                               std::to_string(info->item.cchTextMax));
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL))
        ++m_dialogKeyCommands;
    return CWnd::WindowProc(message, wParam, lParam);
}

HWND CreateReportList(HWND parent, const RECT& rect, DWORD extraStyle, int id)
{
    return CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | extraStyle, rect.left, rect.top,
                           rect.right - rect.left, rect.bottom - rect.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}

void PressHeader(HWND header, int x) { SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(x, 5)); }

void MoveOnHeader(HWND header, int x, bool buttonDown)
{
    SendMessageA(header, WM_MOUSEMOVE, buttonDown ? MK_LBUTTON : 0, PointParam(x, 5));
}

void ReleaseHeader(HWND header, int x) { SendMessageA(header, WM_LBUTTONUP, 0, PointParam(x, 5)); }

int HeaderItemMiddle(HWND header, int column)
{
    RECT rect = {};
    SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&rect));
    return (rect.left + rect.right) / 2;
}

void ClickHeaderColumn(HWND header, int column)
{
    int x = HeaderItemMiddle(header, column);
    PressHeader(header, x);
    ReleaseHeader(header, x);
}

std::vector<std::string> ColumnTexts(const CListCtrl& list, int column)
{
    std::vector<std::string> texts;
    for (int item = 0; item < list.GetItemCount(); ++item)
        texts.push_back(list.GetItemText(item, column));
    return texts;
}

void PostKeyDown(HWND window, UINT key)
{
    UINT scanCode = MapVirtualKeyA(key, MAPVK_VK_TO_VSC);
    PostMessageA(window, WM_KEYDOWN, key, static_cast<LPARAM>(1 | (scanCode << 16)));
}

void PostChars(HWND window, const std::string& text)
{
    for (char c : text)
        PostMessageA(window, WM_CHAR, static_cast<unsigned char>(c), 1);
}

}  // namespace listtest
