#pragma once
// The Manage Phonebooks dialog: lists the phonebooks of the master list and creates, copies,
// renames and deletes them. Every command writes its change to disk at once, so OK and
// Cancel only close the dialog.
#include <windows.h>

#include <memory>
#include <string>

#include "framework/dialog.h"
#include "phonebook/name_index.h"
#include "phonebook/record_file.h"

class CDManageBooks : public CDialog {
public:
    explicit CDManageBooks(HWND parent = nullptr);
    ~CDManageBooks() override;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void OnNewBook();
    void OnCopyBook();
    void OnRenameBook();
    void OnDeleteBook();

    void LoadMasterList();
    // Writes the master list and shows it again in the list box.
    void SaveMasterList();
    // Deletes a book's file, never the master list's.
    void DeleteBookFile(const std::string& name);
    // Adds a name to the loaded master list; a duplicate (ignoring case) or a full list is
    // refused with a message naming it.
    bool AddToMasterList(const std::string& name);
    // The name on the selected line; false when no line is selected.
    bool GetSelectedBook(std::string& name) const;
    // Runs the New Phonebook dialog; false unless it gave a name.
    bool AskBookName(UINT captionId, UINT promptId, const std::string& promptArg, std::string& name);
    void FocusOkButton();

    CNameIndex m_BookList;                     // the master list while a command runs
    std::unique_ptr<CRecordFile> m_pRecordFile;  // copies books and writes new, empty ones
};
