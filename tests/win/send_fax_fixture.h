#pragma once
// The Send Fax dialog on a real desktop for the tests: two phonebooks in the stand-in
// phonebook library, the stand-in fax engine in a temporary store with its pauses counted
// instead of waited for, a host window that notes what the dialog asks of it, and helpers
// that work the dialog's controls by identifier as the user does.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "RWFaxDlg.h"
#include "framework/win_app.h"
#include "phonebook_store_support.h"
#include "send/send_fax_dialog.h"
#include "test_support.h"

namespace sendfaxtest {

struct Row {
    std::string name, company, fax;
    bool operator==(const Row& other) const
    {
        return name == other.name && company == other.company && fax == other.fax;
    }
};
std::ostream& operator<<(std::ostream& out, const Row& row);

// A job as the stand-in engine took it over, with its texts.
struct EngineJob {
    std::string destName, destFax, destPhone, toCompany, subject, cover, comments, fileList;
};

extern const char kTypeHere[];

class SendFaxTest : public testsupport::SettingsTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Builds the dialog as a log page or the entry point does and creates it modeless.
    CDSendFax& Open(int mode = SENDFAX_OPEN_NEW, SEND_FAX* job = nullptr);

    HWND Dialog() const { return m_dialog ? m_dialog->m_hWnd : nullptr; }
    HWND Item(int id) const { return GetDlgItem(Dialog(), id); }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    void Click(int id) const { SendMessageA(Item(id), BM_CLICK, 0, 0); }
    std::string Text(int id) const { return testsupport::WindowText(Item(id)); }

    std::vector<Row> Rows() const;
    std::vector<std::string> EntryNames() const;
    // Picks a line of a combo box as the user does, with its notification.
    void ChooseComboLine(int id, int line) const;
    // Selects only these rows of a list.
    void SelectRows(int listId, const std::vector<int>& rows) const;
    // Clicks a cell of the Fax Send List, types into its editor and ends it with a key.
    void TypeIntoCell(int row, int column, const std::string& text, UINT endKey = VK_RETURN) const;

    std::vector<EngineJob> EngineJobs() const;

    testsupport::PhoneBookStore m_books;
    testsupport::TempFolder m_files;
    std::string m_document;
    FAXENGINE m_engine = 0;
    std::vector<DWORD> m_pauses;
    FAXHOSTWND m_host = {};
    std::vector<std::string> m_previews;  // file names the host was asked to show
    std::vector<std::pair<UINT, ULONG_PTR>> m_help;
    CWinApp m_app;
    std::unique_ptr<CDSendFax> m_dialog;

    static SendFaxTest* s_current;

private:
    static LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static BOOL RecordHelp(HWND, const char*, UINT command, ULONG_PTR data);
};

}  // namespace sendfaxtest
