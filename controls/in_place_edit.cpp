#include "controls/in_place_edit.h"

#include <commctrl.h>

#include <algorithm>

namespace {
// How far the edit stays inside the list's client area when it grows.
constexpr int kInsideMargin = 2;
// Room for the caret beyond the text's width.
constexpr int kCaretRoom = 5;
}  // namespace

CInPlaceEdit::CInPlaceEdit(int iItem, int iSubItem, const std::string& initText)
    : m_iItem(iItem), m_iSubItem(iSubItem), m_strInitText(initText)
{
}

void CInPlaceEdit::PostNcDestroy() { delete this; }

bool CInPlaceEdit::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN) {
        WPARAM key = msg->wParam;
        if (key == VK_RETURN || key == VK_DELETE || key == VK_ESCAPE || GetKeyState(VK_CONTROL) != 0) {
            bool multiLine = (GetStyle() & ES_MULTILINE) != 0;
            TranslateMessage(msg);
            // A multi-line edit would take the Escape key-down as a request to close its
            // dialog; its character still comes through.
            if (!(key == VK_ESCAPE && multiLine))
                DispatchMessageA(msg);
            return true;  // the edit may be gone now
        }
    }
    return CEdit::PreTranslateMessage(msg);
}

LRESULT CInPlaceEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return OnCreate();
    case WM_CHAR:
        return OnChar(wParam);
    case WM_KILLFOCUS:
        return OnKillFocus();
    default:
        return CEdit::WindowProc(message, wParam, lParam);
    }
}

LRESULT CInPlaceEdit::OnCreate()
{
    LRESULT result = Default();
    if (result == -1)
        return result;
    HFONT font = reinterpret_cast<HFONT>(::SendMessageA(GetParent(), WM_GETFONT, 0, 0));
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetWindowText(m_strInitText);
    ::SetFocus(m_hWnd);
    FitSize();
    SetSel(0, -1);
    ScrollCaret();
    return result;
}

LRESULT CInPlaceEdit::OnChar(WPARAM character)
{
    if (character == VK_ESCAPE || character == VK_RETURN) {
        if (character == VK_ESCAPE)
            m_bEscape = 1;
        // Losing the focus ends the edit and destroys this object.
        ::SetFocus(GetParent());
        return 0;
    }
    LRESULT result = Default();
    FitSize();
    return result;
}

LRESULT CInPlaceEdit::OnKillFocus()
{
    LRESULT result = Default();
    HWND self = m_hWnd;
    HWND list = GetParent();
    std::string text = GetWindowText();

    NMLVDISPINFOA info = {};
    info.hdr.hwndFrom = list;
    info.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    info.hdr.code = LVN_ENDLABELEDITA;
    info.item.mask = LVIF_TEXT;
    info.item.iItem = m_iItem;
    info.item.iSubItem = m_iSubItem;
    if (!m_bEscape) {
        info.item.pszText = text.data();
        info.item.cchTextMax = static_cast<int>(text.size());
    }
    ::SendMessageA(::GetParent(list), WM_NOTIFY, static_cast<WPARAM>(::GetDlgCtrlID(list)),
                   reinterpret_cast<LPARAM>(&info));
    // The parent may have destroyed the list, and this edit with it.
    if (::IsWindow(self))
        ::DestroyWindow(self);
    return result;
}

void CInPlaceEdit::FitSize()
{
    HWND list = GetParent();
    std::string text = GetWindowText();
    RECT edit;
    ::GetWindowRect(m_hWnd, &edit);
    ::MapWindowPoints(nullptr, list, reinterpret_cast<POINT*>(&edit), 2);
    RECT listClient;
    ::GetClientRect(list, &listClient);
    const LONG rightLimit = listClient.right - kInsideMargin;
    const LONG bottomLimit = listClient.bottom - kInsideMargin;

    HDC dc = ::GetDC(m_hWnd);
    if (!dc)
        return;
    HFONT font = reinterpret_cast<HFONT>(::SendMessageA(list, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    RECT wanted = edit;
    bool needsScrollBar = false;
    if (GetStyle() & ES_MULTILINE) {
        RECT inner;
        ::GetClientRect(m_hWnd, &inner);
        RECT laidOut = {0, 0, inner.right, 0};
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &laidOut,
                  DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
        LONG extraHeight = laidOut.bottom - inner.bottom;
        if (extraHeight > 0) {
            wanted.bottom = std::max(edit.bottom, std::min(edit.bottom + extraHeight, bottomLimit));
            needsScrollBar = edit.bottom + extraHeight > bottomLimit;
        }
    } else {
        SIZE size = {};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        // The text and the caret's room inside the border and the edit's own margins.
        RECT inner;
        ::GetClientRect(m_hWnd, &inner);
        LRESULT margins = SendMessage(EM_GETMARGINS);
        LONG frame = (edit.right - edit.left) - inner.right + LOWORD(margins) + HIWORD(margins);
        LONG needed = size.cx + kCaretRoom + frame;
        if (needed > edit.right - edit.left)
            wanted.right = std::max(edit.right, std::min(edit.left + needed, rightLimit));
    }
    if (oldFont)
        SelectObject(dc, oldFont);
    ::ReleaseDC(m_hWnd, dc);

    if (!EqualRect(&wanted, &edit)) {
        ::MoveWindow(m_hWnd, wanted.left, wanted.top, wanted.right - wanted.left, wanted.bottom - wanted.top, TRUE);
        // The edit scrolled its text while it was too narrow; now that it is wider, show the
        // text from its start again, keeping the caret in view.
        DWORD start = 0, end = 0;
        SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        SetSel(0, 0);
        ScrollCaret();
        SetSel(static_cast<int>(start), static_cast<int>(end));
        ScrollCaret();
    }
    if (needsScrollBar)
        ::ShowScrollBar(m_hWnd, SB_VERT, TRUE);
}
