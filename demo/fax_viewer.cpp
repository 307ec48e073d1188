#include "demo/fax_viewer.h"

#include <shlwapi.h>
#include <wincodec.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

#include "demo/com_ptr.h"

namespace {
enum ViewerCommand : int { kPrevious = 1, kNext, kFitToggle };
constexpr int kStripHeight = 34;
constexpr char kClassName[] = "RWFaxDemoViewer";

class FaxViewer {
public:
    bool Open(const std::string& path, std::string* reason);
    HWND Create(HWND owner, const std::string& title);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool DecodePage(UINT index);
    void ShowPage(UINT index);
    void Paint();
    RECT PageArea() const;
    SIZE ShownSize() const;  // the page as drawn, in screen pixels
    void UpdateScrollBars();
    void Scroll(int bar, int code, int delta = 0);

    HWND m_window = nullptr;
    HWND m_pageLabel = nullptr, m_fitButton = nullptr;
    ComPtr<IWICImagingFactory> m_factory;
    ComPtr<IWICBitmapDecoder> m_decoder;
    UINT m_pageCount = 0, m_page = 0;
    // The page shown: 32-bit pixels and their size; its resolution gives its proportions.
    std::vector<BYTE> m_pixels;
    UINT m_width = 0, m_height = 0;
    double m_dpiX = 204, m_dpiY = 196;
    bool m_bFit = true;
    POINT m_scroll = {0, 0};
};

bool FaxViewer::Open(const std::string& path, std::string* reason)
{
    std::ifstream file(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (bytes.empty()) {
        *reason = "cannot read " + path;
        return false;
    }
    // The engine's form is a TIFF whose byte-order mark "II" was replaced by "FF".
    if (bytes.compare(0, 2, "FF") == 0)
        bytes.replace(0, 2, "II");
    ComPtr<IStream> stream;
    *stream.Put() = SHCreateMemStream(reinterpret_cast<const BYTE*>(bytes.data()), static_cast<UINT>(bytes.size()));
    if (!stream ||
        FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(m_factory.Put()))) ||
        FAILED(m_factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                                  m_decoder.Put())) ||
        FAILED(m_decoder->GetFrameCount(&m_pageCount)) || m_pageCount == 0 || !DecodePage(0)) {
        *reason = "the Windows Imaging Component cannot decode " + path;
        return false;
    }
    return true;
}

bool FaxViewer::DecodePage(UINT index)
{
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    UINT width = 0, height = 0;
    if (FAILED(m_decoder->GetFrame(index, frame.Put())) || FAILED(frame->GetSize(&width, &height)) || !width ||
        !height || FAILED(m_factory->CreateFormatConverter(converter.Put())) ||
        FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom)))
        return false;
    std::vector<BYTE> pixels(static_cast<size_t>(width) * height * 4);
    if (FAILED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(pixels.size()), pixels.data())))
        return false;
    double dpiX = 0, dpiY = 0;
    if (FAILED(frame->GetResolution(&dpiX, &dpiY)) || dpiX <= 0 || dpiY <= 0)
        dpiX = dpiY = 1;
    m_pixels.swap(pixels);
    m_width = width;
    m_height = height;
    m_dpiX = dpiX;
    m_dpiY = dpiY;
    m_page = index;
    return true;
}

HWND FaxViewer::Create(HWND owner, const std::string& title)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    windowClass.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    RegisterClassA(&windowClass);  // fails harmlessly from the second viewer on
    RECT ownerRect = {60, 60, 0, 0};
    if (owner)
        GetWindowRect(owner, &ownerRect);
    return CreateWindowExA(0, kClassName, title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL,
                           ownerRect.left + 40, ownerRect.top + 40, 560, 700, owner, nullptr, instance, this);
}

LRESULT CALLBACK FaxViewer::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* viewer = static_cast<FaxViewer*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        viewer->m_window = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(viewer));
    }
    auto* viewer = reinterpret_cast<FaxViewer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        delete viewer;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return viewer ? viewer->OnMessage(message, wParam, lParam) : DefWindowProcA(window, message, wParam, lParam);
}

LRESULT FaxViewer::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        auto add = [&](const char* className, const char* text, int id, int x, int width) {
            HWND control = CreateWindowA(className, text, WS_CHILD | WS_VISIBLE, x, 5, width, 24, m_window,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
            SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
            return control;
        };
        add("BUTTON", "< &Previous", kPrevious, 6, 84);
        add("BUTTON", "&Next >", kNext, 94, 84);
        m_fitButton = add("BUTTON", "&Actual Size", kFitToggle, 182, 96);
        m_pageLabel = add("STATIC", "", 0, 290, 160);
        SetWindowPos(m_pageLabel, nullptr, 290, 10, 160, 18, SWP_NOZORDER);
        ShowPage(0);
        return 0;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == kPrevious && m_page > 0)
            ShowPage(m_page - 1);
        else if (LOWORD(wParam) == kNext && m_page + 1 < m_pageCount)
            ShowPage(m_page + 1);
        else if (LOWORD(wParam) == kFitToggle) {
            m_bFit = !m_bFit;
            SetWindowTextA(m_fitButton, m_bFit ? "&Actual Size" : "&Fit to Window");
            ShowPage(m_page);
        }
        SetFocus(m_window);  // keys keep working after a click
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_NEXT || wParam == VK_RIGHT)
            SendMessageA(m_window, WM_COMMAND, kNext, 0);
        else if (wParam == VK_PRIOR || wParam == VK_LEFT)
            SendMessageA(m_window, WM_COMMAND, kPrevious, 0);
        else if (wParam == 'F' || wParam == 'A')
            SendMessageA(m_window, WM_COMMAND, kFitToggle, 0);
        else if (wParam == VK_ESCAPE)
            DestroyWindow(m_window);
        else if (wParam == VK_DOWN || wParam == VK_UP)
            Scroll(SB_VERT, wParam == VK_DOWN ? SB_LINEDOWN : SB_LINEUP);
        return 0;
    case WM_SIZE:
        UpdateScrollBars();
        InvalidateRect(m_window, nullptr, TRUE);
        return 0;
    case WM_VSCROLL:
    case WM_HSCROLL:
        Scroll(message == WM_VSCROLL ? SB_VERT : SB_HORZ, LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        Scroll(SB_VERT, SB_THUMBPOSITION, -GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    case WM_PAINT:
        Paint();
        return 0;
    default:
        return DefWindowProcA(m_window, message, wParam, lParam);
    }
}

void FaxViewer::ShowPage(UINT index)
{
    if (index != m_page || m_pixels.empty())
        DecodePage(index);
    std::string label = "Page " + std::to_string(m_page + 1) + " of " + std::to_string(m_pageCount);
    SetWindowTextA(m_pageLabel, label.c_str());
    m_scroll = {0, 0};
    UpdateScrollBars();
    InvalidateRect(m_window, nullptr, TRUE);
}

RECT FaxViewer::PageArea() const
{
    RECT area;
    GetClientRect(m_window, &area);
    area.top = std::min<LONG>(area.bottom, kStripHeight);
    return area;
}

SIZE FaxViewer::ShownSize() const
{
    // Pages of standard resolution have half the rows per inch: stretch them to their shape.
    double height = m_height * (m_dpiX / m_dpiY);
    RECT area = PageArea();
    if (!m_bFit)
        return {static_cast<LONG>(m_width), static_cast<LONG>(height)};
    double scale = std::min((area.right - area.left - 16) / double(m_width), (area.bottom - area.top - 16) / height);
    scale = std::max(scale, 0.01);
    return {static_cast<LONG>(m_width * scale), static_cast<LONG>(height * scale)};
}

void FaxViewer::UpdateScrollBars()
{
    RECT area = PageArea();
    SIZE shown = ShownSize();
    SCROLLINFO info = {sizeof info, SIF_ALL | SIF_DISABLENOSCROLL};
    info.nMax = m_bFit ? 0 : shown.cx;
    info.nPage = m_bFit ? 1 : static_cast<UINT>(area.right - area.left);
    info.nPos = m_scroll.x;
    SetScrollInfo(m_window, SB_HORZ, &info, TRUE);
    info.nMax = m_bFit ? 0 : shown.cy;
    info.nPage = m_bFit ? 1 : static_cast<UINT>(area.bottom - area.top);
    info.nPos = m_scroll.y;
    SetScrollInfo(m_window, SB_VERT, &info, TRUE);
}

void FaxViewer::Scroll(int bar, int code, int delta)
{
    if (m_bFit)
        return;
    SCROLLINFO info = {sizeof info, SIF_ALL};
    GetScrollInfo(m_window, bar, &info);
    int position = info.nPos;
    switch (code) {
    case SB_LINEUP: position -= 40; break;
    case SB_LINEDOWN: position += 40; break;
    case SB_PAGEUP: position -= static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN: position += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK: position = info.nTrackPos; break;
    case SB_THUMBPOSITION: position += delta; break;
    default: break;
    }
    position = std::max(0, std::min(position, info.nMax - static_cast<int>(info.nPage) + 1));
    (bar == SB_HORZ ? m_scroll.x : m_scroll.y) = position;
    UpdateScrollBars();
    InvalidateRect(m_window, nullptr, FALSE);
}

void FaxViewer::Paint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_window, &paint);
    RECT area = PageArea();
    SIZE shown = ShownSize();
    int left = m_bFit ? area.left + (area.right - area.left - shown.cx) / 2 : area.left - m_scroll.x;
    int top = m_bFit ? area.top + 8 : area.top - m_scroll.y;
    // Only the page area is drawn on; the strip of buttons stays as it is.
    HRGN clip = CreateRectRgnIndirect(&area);
    SelectClipRgn(dc, clip);
    FillRect(dc, &area, GetSysColorBrush(COLOR_APPWORKSPACE));
    if (!m_pixels.empty()) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = static_cast<LONG>(m_width);
        info.bmiHeader.biHeight = -static_cast<LONG>(m_height);
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchDIBits(dc, left, top, shown.cx, shown.cy, 0, 0, static_cast<int>(m_width), static_cast<int>(m_height),
                      m_pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    }
    SelectClipRgn(dc, nullptr);
    DeleteObject(clip);
    EndPaint(m_window, &paint);
}
}  // namespace

HWND OpenFaxViewer(HWND owner, const std::string& path, std::string* reason)
{
    auto* viewer = new FaxViewer;
    if (!viewer->Open(path, reason)) {
        delete viewer;
        return nullptr;
    }
    size_t slash = path.find_last_of('\\');
    std::string title = "Fax Viewer - " + (slash == std::string::npos ? path : path.substr(slash + 1));
    HWND window = viewer->Create(owner, title);
    if (!window) {
        delete viewer;  // WM_NCDESTROY did not run: the window was never made
        *reason = "the viewer window could not be created";
    }
    return window;
}

namespace {
struct ViewerSearch {
    std::string title;  // "Fax Viewer - <name>." of a document's viewers
    int closed = 0;
};

BOOL CALLBACK CloseIfViewerOf(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<ViewerSearch*>(data);
    char className[32] = {}, title[MAX_PATH] = {};
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    if (std::string(className) == kClassName && std::string(title).rfind(search->title, 0) == 0) {
        DestroyWindow(window);
        ++search->closed;
    }
    return TRUE;
}
}  // namespace

int CloseFaxViewers(const std::string& pathWithoutExtension)
{
    size_t slash = pathWithoutExtension.find_last_of('\\');
    ViewerSearch search{"Fax Viewer - " + pathWithoutExtension.substr(slash == std::string::npos ? 0 : slash + 1) + "."};
    EnumThreadWindows(GetCurrentThreadId(), CloseIfViewerOf, reinterpret_cast<LPARAM>(&search));
    return search.closed;
}
