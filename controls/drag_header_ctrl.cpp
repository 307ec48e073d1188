#include "controls/drag_header_ctrl.h"

#include <cstdint>

int CDragHeaderCtrl::EnableDrag(int enable)
{
    int previous = m_bDragEnabled;
    m_bDragEnabled = enable ? 1 : 0;
    return previous;
}

void CDragHeaderCtrl::SetDropCallback(void* owner, DropCallback callback)
{
    m_pOwner = owner;
    m_pfnDrop = callback;
}

LRESULT CDragHeaderCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    POINT point = {static_cast<int16_t>(LOWORD(lParam)), static_cast<int16_t>(HIWORD(lParam))};
    switch (message) {
    case WM_LBUTTONDOWN:
        OnLButtonDown(point);
        break;
    case WM_MOUSEMOVE:
        OnMouseMove(static_cast<UINT>(wParam), point);
        break;
    case WM_LBUTTONUP:
        if (m_bDragging) {
            // The header finishes its own click tracking on the old layout first, so the
            // release over another column is not taken for a click on it once moved.
            LRESULT result = Default();
            OnLButtonUp();
            return result;
        }
        m_bMaybeDrag = 0;
        break;
    case WM_PAINT:
        if (m_bDragging && !IsRectEmpty(&m_rcMarker)) {
            // The header repaints pressed and released items itself; the marker stays on top.
            LRESULT result = Default();
            DrawMarker(m_nDropPos);
            return result;
        }
        break;
    default:
        break;
    }
    return CHeaderCtrl::WindowProc(message, wParam, lParam);
}

void CDragHeaderCtrl::OnLButtonDown(POINT point)
{
    if (!m_bDragEnabled)
        return;
    HDHITTESTINFO hit = {};
    hit.pt = point;
    int item = HitTest(&hit);
    if (item >= 0 && (hit.flags & HHT_ONHEADER)) {
        m_nDragCol = item;
        m_bMaybeDrag = 1;
    }
}

void CDragHeaderCtrl::OnMouseMove(UINT flags, POINT point)
{
    if (!m_bDragEnabled)
        return;
    if (!(flags & MK_LBUTTON)) {
        // The button came up somewhere we did not see: forget the drag.
        if (m_bDragging)
            EndDrag();
        m_bMaybeDrag = 0;
        return;
    }
    if (m_bMaybeDrag && !m_bDragging)
        BeginDrag();
    if (!m_bDragging)
        return;
    int position = DropPositionAt(point.x);
    if (position != m_nDropPos) {
        EraseMarker();
        m_nDropPos = position;
        DrawMarker(position);
    }
}

void CDragHeaderCtrl::OnLButtonUp()
{
    int from = m_nDragCol;
    int to = m_nDropPos;
    EndDrag();
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    ::UpdateWindow(m_hWnd);
    // Dropped on either of its own boundaries, the column stays where it is.
    if (to != from && to != from + 1 && m_pfnDrop)
        m_pfnDrop(m_pOwner, from, to);
}

void CDragHeaderCtrl::BeginDrag()
{
    m_bMaybeDrag = 0;
    m_bDragging = 1;
    ::SetCapture(m_hWnd);
    m_nWidths = GetItemCount();
    if (m_nWidths < 0)
        m_nWidths = 0;
    m_pWidths.reset(new int[static_cast<size_t>(m_nWidths) + 1]);
    for (int i = 0; i < m_nWidths; ++i) {
        RECT rect = {};
        m_pWidths[i] = GetItemRect(i, &rect) ? rect.right - rect.left : 0;
    }
    m_nDropPos = m_nDragCol;
    SetRectEmpty(&m_rcMarker);
}

void CDragHeaderCtrl::EndDrag()
{
    EraseMarker();
    m_bDragging = 0;
    m_bMaybeDrag = 0;
    m_pWidths.reset();
    m_nWidths = 0;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

int CDragHeaderCtrl::DropPositionAt(int x) const
{
    int left = 0;
    for (int i = 0; i < m_nWidths; ++i) {
        if (x < left + m_pWidths[i])
            return i;
        left += m_pWidths[i];
    }
    return m_nWidths;
}

int CDragHeaderCtrl::BoundaryX(int position) const
{
    int x = 0;
    for (int i = 0; i < position && i < m_nWidths; ++i)
        x += m_pWidths[i];
    return x;
}

void CDragHeaderCtrl::EraseMarker()
{
    if (IsRectEmpty(&m_rcMarker))
        return;
    RECT marker = m_rcMarker;
    SetRectEmpty(&m_rcMarker);  // before the repaint, which would draw it again
    ::InvalidateRect(m_hWnd, &marker, TRUE);
    ::UpdateWindow(m_hWnd);
}

void CDragHeaderCtrl::DrawMarker(int position)
{
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    int h = client.bottom - client.top;
    int x = BoundaryX(position);
    POINT triangle[3] = {{x, h}, {x - h / 4, h / 2}, {x + h / 4, h / 2}};
    HDC dc = ::GetDC(m_hWnd);
    if (!dc)
        return;
    HBRUSH brush = GetSysColorBrush(COLOR_WINDOWTEXT);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    Polygon(dc, triangle, 3);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    ::ReleaseDC(m_hWnd, dc);
    SetRect(&m_rcMarker, x - h / 4 - 1, h / 2 - 1, x + h / 4 + 1, h + 1);
}
