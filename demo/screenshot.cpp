#include "demo/screenshot.h"

#include <wincodec.h>

#include "demo/com_ptr.h"

namespace {
// Window pictures have few colours: a palette of 64 keeps them sharp and small.
constexpr UINT kPaletteColours = 64;

HBITMAP CopyWindowPixels(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    RECT rect;
    GetWindowRect(window, &rect);
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC source = GetWindowDC(window);
    HDC target = CreateCompatibleDC(source);
    HBITMAP bitmap = CreateCompatibleBitmap(source, width, height);
    HGDIOBJ old = SelectObject(target, bitmap);
    BitBlt(target, 0, 0, width, height, source, 0, 0, SRCCOPY);
    SelectObject(target, old);
    DeleteDC(target);
    ReleaseDC(window, source);
    return bitmap;
}
}  // namespace

bool SaveWindowPng(HWND window, const std::string& path)
{
    HBITMAP pixels = CopyWindowPixels(window);
    if (!pixels)
        return false;
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICBitmap> bitmap;
    ComPtr<IWICPalette> palette;
    ComPtr<IWICFormatConverter> indexed;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    std::wstring widePath(path.begin(), path.end());
    bool ok =
        SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(factory.Put()))) &&
        SUCCEEDED(factory->CreateBitmapFromHBITMAP(pixels, nullptr, WICBitmapIgnoreAlpha, bitmap.Put()));
    DeleteObject(pixels);
    UINT width = 0, height = 0;
    ok = ok && SUCCEEDED(bitmap->GetSize(&width, &height)) && SUCCEEDED(factory->CreatePalette(palette.Put())) &&
         SUCCEEDED(palette->InitializeFromBitmap(bitmap.Get(), kPaletteColours, FALSE)) &&
         SUCCEEDED(factory->CreateFormatConverter(indexed.Put())) &&
         SUCCEEDED(indexed->Initialize(bitmap.Get(), GUID_WICPixelFormat8bppIndexed, WICBitmapDitherTypeNone,
                                       palette.Get(), 0, WICBitmapPaletteTypeCustom)) &&
         SUCCEEDED(factory->CreateStream(stream.Put())) &&
         SUCCEEDED(stream->InitializeFromFilename(widePath.c_str(), GENERIC_WRITE)) &&
         SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.Put())) &&
         SUCCEEDED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) &&
         SUCCEEDED(encoder->CreateNewFrame(frame.Put(), nullptr)) && SUCCEEDED(frame->Initialize(nullptr));
    WICPixelFormatGUID format = GUID_WICPixelFormat8bppIndexed;
    ok = ok && SUCCEEDED(frame->SetSize(width, height)) && SUCCEEDED(frame->SetPixelFormat(&format)) &&
         format == GUID_WICPixelFormat8bppIndexed && SUCCEEDED(frame->SetPalette(palette.Get())) &&
         SUCCEEDED(frame->WriteSource(indexed.Get(), nullptr)) && SUCCEEDED(frame->Commit()) &&
         SUCCEEDED(encoder->Commit());
    return ok;
}
