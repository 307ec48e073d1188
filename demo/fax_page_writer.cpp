#include "demo/fax_page_writer.h"

#include <windows.h>
#include <wincodec.h>

#include "demo/com_ptr.h"

namespace {
// A fax page at standard resolution: 1728 dots across at 204 x 98 dots per inch, about a
// letter page. Its dots are twice as high as wide, so text is drawn half as high.
constexpr int kPageWidth = 1728;
constexpr int kPageHeight = 1050;
constexpr double kDpiX = 204.0, kDpiY = 98.0;

// One page drawn black on white into a one-bit bitmap, top row first.
struct PageBitmap {
    HBITMAP bitmap = nullptr;
    void* bits = nullptr;
    ~PageBitmap()
    {
        if (bitmap)
            DeleteObject(bitmap);
    }
    static UINT Stride() { return ((kPageWidth + 31) / 32) * 4; }
};

bool DrawPage(const FaxPageText& page, int number, int count, PageBitmap& out)
{
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[2];
    } info = {};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = kPageWidth;
    info.header.biHeight = -kPageHeight;
    info.header.biPlanes = 1;
    info.header.biBitCount = 1;
    info.colors[1] = {255, 255, 255, 0};
    HDC screen = GetDC(nullptr);
    out.bitmap = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &out.bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    if (!out.bitmap)
        return false;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ oldBitmap = SelectObject(dc, out.bitmap);
    RECT whole = {0, 0, kPageWidth, kPageHeight};
    FillRect(dc, &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    HFONT heading = CreateFontA(-48, 38, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0, "Arial");
    HFONT body = CreateFontA(-22, 18, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0, "Arial");
    HGDIOBJ oldFont = SelectObject(dc, heading);
    TextOutA(dc, 140, 75, page.heading.c_str(), static_cast<int>(page.heading.size()));
    RECT rule = {140, 145, kPageWidth - 140, 149};
    FillRect(dc, &rule, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SelectObject(dc, body);
    int y = 180;
    for (const std::string& line : page.lines) {
        TextOutA(dc, 140, y, line.c_str(), static_cast<int>(line.size()));
        y += 32;
    }
    std::string footer = "Page " + std::to_string(number) + " of " + std::to_string(count);
    TextOutA(dc, kPageWidth / 2 - 120, kPageHeight - 80, footer.c_str(), static_cast<int>(footer.size()));
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(heading);
    DeleteObject(body);
    DeleteDC(dc);
    GdiFlush();
    return true;
}

bool WritePage(IWICBitmapEncoder* encoder, const PageBitmap& page)
{
    ComPtr<IWICBitmapFrameEncode> frame;
    ComPtr<IPropertyBag2> options;
    if (FAILED(encoder->CreateNewFrame(frame.Put(), options.Put())))
        return false;
    // Fax documents are CCITT Group 4 compressed; a writer without it stores them plainly.
    PROPBAG2 option = {};
    option.pstrName = const_cast<LPOLESTR>(L"TiffCompressionMethod");
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_UI1;
    value.bVal = WICTiffCompressionCCITT4;
    options->Write(1, &option, &value);
    if (FAILED(frame->Initialize(options.Get())))
        return false;
    WICPixelFormatGUID format = GUID_WICPixelFormatBlackWhite;
    if (FAILED(frame->SetSize(kPageWidth, kPageHeight)) || FAILED(frame->SetResolution(kDpiX, kDpiY)) ||
        FAILED(frame->SetPixelFormat(&format)) || format != GUID_WICPixelFormatBlackWhite)
        return false;
    UINT stride = PageBitmap::Stride();
    return SUCCEEDED(frame->WritePixels(kPageHeight, stride, stride * kPageHeight, static_cast<BYTE*>(page.bits))) &&
           SUCCEEDED(frame->Commit());
}
}  // namespace

bool WriteFaxTiff(const std::string& path, const std::vector<FaxPageText>& pages)
{
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapEncoder> encoder;
    std::wstring widePath(path.begin(), path.end());
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(factory.Put()))) ||
        FAILED(factory->CreateStream(stream.Put())) ||
        FAILED(stream->InitializeFromFilename(widePath.c_str(), GENERIC_WRITE)) ||
        FAILED(factory->CreateEncoder(GUID_ContainerFormatTiff, nullptr, encoder.Put())) ||
        FAILED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)))
        return false;
    int number = 0;
    for (const FaxPageText& text : pages) {
        PageBitmap page;
        if (!DrawPage(text, ++number, static_cast<int>(pages.size()), page) || !WritePage(encoder.Get(), page))
            return false;
    }
    return SUCCEEDED(encoder->Commit());
}
