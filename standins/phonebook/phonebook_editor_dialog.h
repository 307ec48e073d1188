#pragma once
// The phonebook editor: choose a book, add, change and delete its entries, create books.
#include <cstdint>

#include "framework/dialog.h"

class CPhoneBookEditorDlg : public CDialog {
public:
    explicit CPhoneBookEditorDlg(HWND parent);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(int id, NMHDR* header, LRESULT* result) override;

private:
    void FillBooks(uint32_t select);
    void FillEntries(uint32_t select);
    void UpdateButtons();
    uint32_t CurrentBook() const;
    uint32_t SelectedEntry() const;
    void OnNewBook();
    void OnAddEntry();
    void OnEditEntry();
    void OnDeleteEntry();
    void ReportNotSaved();
};
