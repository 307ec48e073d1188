#pragma once
// The Fax Send List: a report list whose cells the user edits in place. A left click selects
// the row under the mouse and opens an editor on the cell; when the editor ends, the list
// stores the text and asks its owner (the Send Fax dialog) to keep its typing row and to
// update its buttons.
#include <windows.h>

#include "controls/sort_list_ctrl.h"

class CInPlaceEdit;

// What the list asks of the dialog it sits in when an edit has ended.
class CRecipientListOwner {
public:
    virtual void ApplyTypingRowRule(BOOL bAllowRemoval) = 0;
    virtual void UpdateSendButtons() = 0;

protected:
    ~CRecipientListOwner() = default;
};

class CRecipientList : public CSortListCtrl {
public:
    // The row under a point in client coordinates, and its column in *column; -1 when no
    // cell holds the point.
    int HitTestCell(POINT point, int* column) const;
    // Opens an editor on a cell; null when the cell cannot be shown or is too narrow.
    CInPlaceEdit* EditCell(int row, int column);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void OnLButtonDown(POINT point);
    void OnEndLabelEdit(const NMLVDISPINFOA* info);
};
