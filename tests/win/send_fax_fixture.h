#pragma once
// The send path on a real desktop for the tests: the stand-in fax engine in a temporary store
// with what it took over read back; and for the Send Fax dialog, two phonebooks in the
// stand-in phonebook library, the engine's pauses counted instead of waited for, a host
// window, and helpers that work the dialog's controls by identifier as the user does.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "RWFaxDlg.h"
#include "framework/win_app.h"
#include "phonebook_store_support.h"
#include "send/send_fax_dialog.h"
#include "standins/engine/vovado32_standin.h"
#include "test_support.h"

// A call of the stand-in engine that the module has loaded, by its declared name.
#define STANDIN_CALL(name) testsupport::LoadedLibraryCall<decltype(&name)>("VOVADO32.dll", #name)

namespace sendfaxtest {

// A job as the stand-in engine took it over, with its texts.
struct EngineJob {
    SEND_FAX record;
    std::string destName, destFax, destPhone, toCompany, subject, fromLine, banner, cover, comments, fromCompany,
        fromFax, fromPhone, userDefined, fileList;
};

// The stand-in engine, opened with its store in the given folder while alive.
class StandInEngine {
public:
    explicit StandInEngine(const std::string& store);
    ~StandInEngine();
    FAXENGINE Handle() const { return m_engine; }
    std::vector<EngineJob> Jobs() const;
    void Clear() const { STANDIN_CALL(FaxStandInClearScheduled)(); }

private:
    FAXENGINE m_engine = 0;
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

    std::vector<std::string> Rows() const;  // "name|company|fax" of every row of the Fax Send List
    std::vector<std::string> EntryNames() const;
    // Picks a line of a combo box as the user does, with its notification.
    void ChooseComboLine(int id, int line) const;
    // Selects only these rows of a list.
    void SelectRows(int listId, const std::vector<int>& rows) const;
    // Clicks a cell of the Fax Send List, types into its editor and ends it with Enter.
    void TypeIntoCell(int row, int column, const std::string& text) const;

    testsupport::PhoneBookStore m_books;
    testsupport::TempFolder m_files;
    StandInEngine m_engine{m_files.File("engine")};
    std::string m_document;
    std::vector<DWORD> m_pauses;
    FAXHOSTWND m_host = {};
    CWinApp m_app;
    std::unique_ptr<CDSendFax> m_dialog;

    static SendFaxTest* s_current;
};

}  // namespace sendfaxtest
