#include "setup/header_page.h"

#include "framework/data_exchange.h"
#include "framework/resources.h"
#include "res/resource.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"

namespace {
constexpr int kHeaderTextLimit = 20;
constexpr size_t kHeaderTextBuffer = kHeaderTextLimit + 1;
}  // namespace

CDHeader::CDHeader() : CFaxSetupPage(IDD_HEADERSETUP) {}

BOOL CDHeader::OnInitDialog()
{
    // Only a value that cannot be read takes the default; a stored empty text stays empty.
    m_strCenter = ReadSettingText(kHeaderCenter, kHeaderTextBuffer, LoadModuleString(IDS_HEADER_CENTER_DEFAULT));
    m_strLeft = ReadSettingText(kHeaderLeft, kHeaderTextBuffer, LoadModuleString(IDS_HEADER_LEFT_DEFAULT));
    m_strRight = ReadSettingText(kHeaderRight, kHeaderTextBuffer, LoadModuleString(IDS_HEADER_RIGHT_DEFAULT));
    UpdateData(false);
    FillLegend();
    return TRUE;
}

void CDHeader::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_HEADER_CENTER, m_strCenter, kHeaderTextLimit);
    DDX_Text(pDX, IDC_HEADER_LEFT, m_strLeft, kHeaderTextLimit);
    DDX_Text(pDX, IDC_HEADER_RIGHT, m_strRight, kHeaderTextLimit);
}

void CDHeader::FillLegend()
{
    // The list sorts itself, so the user reads the codes in alphabetical order.
    SendDlgItemMessage(IDC_HEADER_LEGEND, LB_RESETCONTENT);
    for (UINT id = IDS_MACRO_TOTAL_PAGES; id <= IDS_MACRO_DATE; ++id) {
        const std::string text = LoadModuleString(id);
        SendDlgItemMessage(IDC_HEADER_LEGEND, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

void CDHeader::OnOK()
{
    UpdateData(true);
    WriteSettingText(kHeaderCenter, m_strCenter);
    WriteSettingText(kHeaderLeft, m_strLeft);
    WriteSettingText(kHeaderRight, m_strRight);
}

bool CDHeader::OnCommand(int id, int code, HWND control)
{
    if (id != IDC_HEADER_RESTORE || code != BN_CLICKED)
        return CFaxSetupPage::OnCommand(id, code, control);
    m_strLeft = LoadModuleString(IDS_HEADER_LEFT_DEFAULT);
    m_strCenter = LoadModuleString(IDS_HEADER_CENTER_DEFAULT);
    m_strRight = LoadModuleString(IDS_HEADER_RIGHT_DEFAULT);
    UpdateData(false);
    return true;
}
