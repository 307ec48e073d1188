#pragma once
// A list's header whose columns the user drags to another place. While a column is dragged
// a small triangle marks where it would land; on the drop the owner is told the column and
// the boundary it was dropped on, and moves the column itself.
#include <windows.h>

#include <memory>

#include "framework/header_ctrl.h"

class CDragHeaderCtrl : public CHeaderCtrl {
public:
    // Called with the owner, the dragged column and the boundary it was dropped on
    // (0 before the first column, the column count after the last).
    using DropCallback = void (*)(void* owner, int from, int to);

    CDragHeaderCtrl() = default;

    // Allows or forbids dragging; returns the previous setting.
    int EnableDrag(int enable);
    void SetDropCallback(void* owner, DropCallback callback);

    int m_bDragEnabled = 0;
    int m_bMaybeDrag = 0;
    int m_bDragging = 0;
    std::unique_ptr<int[]> m_pWidths;  // column widths, taken when a drag starts
    int m_nWidths = 0;
    int m_nDragCol = -1;
    int m_nDropPos = -1;
    RECT m_rcMarker = {};
    DropCallback m_pfnDrop = nullptr;
    void* m_pOwner = nullptr;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnLButtonDown(POINT point);
    void OnMouseMove(UINT flags, POINT point);
    void OnLButtonUp();
    void BeginDrag();
    void EndDrag();
    int DropPositionAt(int x) const;
    int BoundaryX(int position) const;
    void EraseMarker();
    void DrawMarker(int position);
};
