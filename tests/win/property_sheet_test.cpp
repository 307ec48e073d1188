// Property sheets of the framework: pages that accept, refuse to be left, help, results.
#include <string>
#include <vector>

#include "framework/data_exchange.h"
#include "framework/property_sheet.h"
#include "framework/win_app.h"
#include "test_resource.h"
#include "test_support.h"

using namespace testsupport;

namespace {

class NumberPage : public CPropertyPage {
public:
    NumberPage() : CPropertyPage(IDD_TEST_PAGE_NUMBER) {}
    int m_nCount = 5;
    int activations = 0;
    int accepted = 0;
    int cancelled = 0;

protected:
    BOOL OnSetActive() override
    {
        ++activations;
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_TEST_NUMBER, m_nCount);
        DDV_MinMaxInt(pDX, IDC_TEST_NUMBER, m_nCount, 1, 10);
    }
    void OnOK() override { ++accepted; }
    void OnCancel() override { ++cancelled; }
};

class PlainPage : public CPropertyPage {
public:
    PlainPage() : CPropertyPage(IDD_TEST_PAGE_PLAIN) {}
    int accepted = 0;

protected:
    void OnOK() override { ++accepted; }
};

std::vector<std::pair<UINT, ULONG_PTR>> g_help;
BOOL RecordHelp(HWND, const char*, UINT command, ULONG_PTR data)
{
    g_help.emplace_back(command, data);
    return TRUE;
}

class PropertySheetTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_help.clear();
        CWinApp::SetHelpCall(&RecordHelp);
        m_host = CreateWindowA("STATIC", "Host", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
        m_sheet.AddPage(&m_number);
        m_sheet.AddPage(&m_plain);
        m_sheet.m_dwFlags = PSH_NOAPPLYNOW | PSH_HASHELP;
        m_sheet.m_nIDHelp = 685;
    }
    void TearDown() override
    {
        CWinApp::SetHelpCall(nullptr);
        DestroyWindow(m_host);
    }

    CWinApp m_app;
    HWND m_host = nullptr;
    NumberPage m_number;
    PlainPage m_plain;
    CPropertySheet m_sheet{"Test Sheet", nullptr, 1};
};

}  // namespace

TEST_F(PropertySheetTest, OkAcceptsOnlyThePagesThatWereShown)
{
    ASSERT_TRUE(m_sheet.Create(m_host));
    EXPECT_EQ(1, m_sheet.GetActiveIndex());
    EXPECT_EQ(&m_plain, m_sheet.GetActivePage());
    EXPECT_EQ(nullptr, m_number.m_hWnd);  // never shown: no window
    HWND apply = GetDlgItem(m_sheet.m_hWnd, 0x3021);  // the sheet's Apply button
    EXPECT_TRUE(!apply || !IsWindowVisible(apply));

    m_sheet.PressButton(PSBTN_OK);
    EXPECT_TRUE(m_sheet.IsClosed());
    EXPECT_EQ(1, m_plain.accepted);
    EXPECT_EQ(0, m_number.accepted);
}

TEST_F(PropertySheetTest, APageWithABadValueCannotBeLeft)
{
    ASSERT_TRUE(m_sheet.Create(m_host));
    ASSERT_TRUE(m_sheet.SetActivePage(0));
    EXPECT_EQ(0, m_sheet.GetActiveIndex());
    EXPECT_EQ(1, m_number.activations);
    EXPECT_EQ("5", WindowText(GetDlgItem(m_number.m_hWnd, IDC_TEST_NUMBER)));

    SetDlgItemTextA(m_number.m_hWnd, IDC_TEST_NUMBER, "11");
    std::string message;
    {
        OnNextActivation answer(
            [](HWND box, void* context) {
                *static_cast<std::string*>(context) = MessageBoxText(box);
                PostMessageA(box, WM_COMMAND, IDOK, 0);
            },
            &message);
        m_sheet.SetActivePage(1);
        EXPECT_TRUE(answer.Fired());
    }
    EXPECT_EQ(0, m_sheet.GetActiveIndex());
    EXPECT_EQ("Please enter an integer between 1 and 10.", message);

    // OK refuses the same way and keeps the sheet open.
    {
        OnNextActivation answer([](HWND box, void*) { PostMessageA(box, WM_COMMAND, IDOK, 0); }, nullptr);
        m_sheet.PressButton(PSBTN_OK);
        EXPECT_TRUE(answer.Fired());
    }
    EXPECT_FALSE(m_sheet.IsClosed());
    EXPECT_EQ(0, m_number.accepted);

    SetDlgItemTextA(m_number.m_hWnd, IDC_TEST_NUMBER, "7");
    m_sheet.PressButton(PSBTN_OK);
    EXPECT_TRUE(m_sheet.IsClosed());
    EXPECT_EQ(7, m_number.m_nCount);
    EXPECT_EQ(1, m_number.accepted);
    EXPECT_EQ(1, m_plain.accepted);
}

TEST_F(PropertySheetTest, HelpOpensTheSheetsContextFromAnyPage)
{
    ASSERT_TRUE(m_sheet.Create(m_host));
    m_sheet.PressButton(PSBTN_HELP);
    m_sheet.SetActivePage(0);
    m_sheet.PressButton(PSBTN_HELP);
    ASSERT_EQ(2u, g_help.size());
    EXPECT_EQ(std::make_pair(static_cast<UINT>(HELP_CONTEXT), static_cast<ULONG_PTR>(685)), g_help[0]);
    EXPECT_EQ(std::make_pair(static_cast<UINT>(HELP_CONTEXT), static_cast<ULONG_PTR>(685)), g_help[1]);
    m_sheet.PressButton(PSBTN_CANCEL);
    EXPECT_TRUE(m_sheet.IsClosed());
    EXPECT_EQ(0, m_plain.accepted);
}

TEST_F(PropertySheetTest, ModalRunGivesTheResultAndFreesTheOwner)
{
    struct Press {
        int button;
    } press = {PSBTN_OK};
    auto pressButton = [](HWND sheet, void* context) {
        PostMessageA(sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(static_cast<Press*>(context)->button), 0);
    };
    CPropertySheet sheet("Modal", m_host, 0);
    PlainPage page;
    sheet.AddPage(&page);
    {
        OnNextActivation answer(pressButton, &press);
        EXPECT_EQ(IDOK, sheet.DoModal());
    }
    EXPECT_EQ(1, page.accepted);
    EXPECT_TRUE(IsWindowEnabled(m_host));

    press.button = PSBTN_CANCEL;
    CPropertySheet again("Modal", m_host, 0);
    PlainPage second;
    again.AddPage(&second);
    {
        OnNextActivation answer(pressButton, &press);
        EXPECT_EQ(IDCANCEL, again.DoModal());
    }
    EXPECT_EQ(0, second.accepted);
}
