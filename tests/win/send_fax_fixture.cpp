#include "send_fax_fixture.h"

#include <commctrl.h>

#include "controls/in_place_edit.h"
#include "engine/engine_memory.h"
#include "host/fax_app.h"
#include "list_test_support.h"
#include "res/resource.h"
#include "send/send_pause.h"

using namespace testsupport;

namespace sendfaxtest {

const char kTypeHere[] = "<Type Here>";
SendFaxTest* SendFaxTest::s_current = nullptr;

namespace {
std::string Str(const char* text) { return text ? text : ""; }
void CountPause(DWORD ms, void* context) { static_cast<std::vector<DWORD>*>(context)->push_back(ms); }
}  // namespace

StandInEngine::StandInEngine(const std::string& store)
{
    EXPECT_NE(0u, STANDIN_CALL(FaxStandInSetStoreFolder)(store.c_str()));
    m_engine = STANDIN_CALL(FaxStandInOpen)(nullptr, 0);
    Clear();
}

StandInEngine::~StandInEngine()
{
    STANDIN_CALL(FaxStandInClose)(m_engine);
    STANDIN_CALL(FaxStandInSetStoreFolder)(nullptr);
}

std::vector<EngineJob> StandInEngine::Jobs() const
{
    std::vector<EngineJob> jobs;
    for (DWORD i = 0; i < STANDIN_CALL(FaxStandInScheduledCount)(); ++i) {
        SEND_FAX* r = nullptr;
        if (!STANDIN_CALL(FaxStandInGetScheduled)(i, &r) || !r)
            continue;
        jobs.push_back({*r, Str(r->szDestName), Str(r->szDestFax), Str(r->szDestPhone), Str(r->szToCompany),
                        Str(r->szSubject), Str(r->szFromLine), Str(r->szBanner), Str(r->szCover), Str(r->szComments),
                        Str(r->szFromCompany), Str(r->szFromFax), Str(r->szFromPhone), Str(r->szUserDefined),
                        Str(r->szFileList)});
        FreeEngineMemory(r);
    }
    return jobs;
}

void SendFaxTest::SetUp()
{
    SettingsTest::SetUp();
    s_current = this;
    ASSERT_TRUE(m_books.WriteBook("Customers", {{"Ann", "Archer", "Archer & Sons", "555 0100", "555 0101"},
                                                {"Bob", "Baker", "Baker Bros", "", "555 0202"},
                                                {"Cleo", "Cole", "", "", "555 0303"}}));
    ASSERT_TRUE(m_books.WriteBook("Suppliers", {{"Dana", "Drake", "Drake Paper", "", "555 0404"}}));
    SetSendPauseHook(&CountPause, &m_pauses);
    g_bNotifyOnCompletion = 0;
    m_document = m_files.File("abc123.fmf");
    ASSERT_TRUE(WriteFileBytes(m_document, std::string("FF*\0document", 12)));
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "RWFaxSendFaxTestHost";
    RegisterClassA(&windowClass);
    m_host = FrameworkWindowObject(CreateWindowA(windowClass.lpszClassName, "Host", WS_OVERLAPPEDWINDOW, 0, 0, 300,
                                                 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
}

void SendFaxTest::TearDown()
{
    m_dialog.reset();
    DestroyWindow(m_host.hWnd);
    SetSendPauseHook(nullptr, nullptr);
    g_bNotifyOnCompletion = 0;
    s_current = nullptr;
    SettingsTest::TearDown();
}

CDSendFax& SendFaxTest::Open(int mode, SEND_FAX* job)
{
    m_dialog = std::make_unique<CDSendFax>(nullptr, &m_host, job, mode);
    m_dialog->m_hFaxEngine = m_engine.Handle();
    m_dialog->m_strDocument = m_document;
    EXPECT_TRUE(m_dialog->Create());
    ShowWindow(m_dialog->m_hWnd, SW_SHOWNORMAL);
    SetForegroundWindow(m_dialog->m_hWnd);
    PumpPending();
    return *m_dialog;
}

std::vector<std::string> SendFaxTest::Rows() const
{
    std::vector<std::string> rows;
    const CRecipientList& list = m_dialog->m_lstRecipients;
    for (int row = 0; row < list.GetItemCount(); ++row)
        rows.push_back(list.GetItemText(row, 0) + "|" + list.GetItemText(row, 1) + "|" + list.GetItemText(row, 2));
    return rows;
}

std::vector<std::string> SendFaxTest::EntryNames() const { return listtest::ColumnTexts(m_dialog->m_lstPhonebook, 0); }

void SendFaxTest::ChooseComboLine(int id, int line) const
{
    SendMessageA(Item(id), CB_SETCURSEL, static_cast<WPARAM>(line), 0);
    SendMessageA(Dialog(), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Item(id)));
}

void SendFaxTest::SelectRows(int listId, const std::vector<int>& rows) const
{
    ListView_SetItemState(Item(listId), -1, 0, LVIS_SELECTED);
    for (int row : rows)
        ListView_SetItemState(Item(listId), row, LVIS_SELECTED, LVIS_SELECTED);  // the focus stays where it is
}

void SendFaxTest::TypeIntoCell(int row, int column, const std::string& text) const
{
    CInPlaceEdit* edit = m_dialog->m_lstRecipients.EditCell(row, column);
    ASSERT_NE(nullptr, edit) << "no editor on row " << row << ", column " << column;
    HWND list = Item(IDC_SENDFAX_SENDLIST), editor = edit->m_hWnd;
    SendMessageA(editor, EM_SETSEL, 0, -1);
    listtest::PostChars(editor, text.empty() ? std::string("\b") : text);
    listtest::PostKeyDown(editor, VK_RETURN);
    EXPECT_TRUE(listtest::PumpLikeModalLoop([list] { return GetDlgItem(list, IDC_INPLACE_EDIT) == nullptr; }));
}

}  // namespace sendfaxtest
