// The Send Fax dialog's buttons beside the lists: the cover page, its preview by the host,
// the schedule, adding a recipient to the phonebook, and the send options.
#include "framework/message_box.h"
#include "framework/resources.h"
#include "host/host_window.h"
#include "phonebook/phonebook_selectors.h"
#include "res/resource.h"
#include "send/schedule_dialog.h"
#include "send/send_fax_dialog.h"
#include "send/send_list_rules.h"
#include "send/send_options_dialog.h"

namespace {
// Copies a text into a field of the phonebook library's records, cut to fit.
template <size_t N>
void CopyField(char (&field)[N], const std::string& text)
{
    lstrcpynA(field, text.c_str(), static_cast<int>(N));
}
}  // namespace

void CDSendFax::ApplyCoverPageState()
{
    const bool withCover = IsDlgButtonChecked(m_hWnd, IDC_SENDFAX_COVERPAGE) == BST_CHECKED;
    if (!withCover && ::GetWindowTextLengthA(GetDlgItem(IDC_SENDFAX_SUBJECT)) > 0)
        SetDlgItemText(IDC_SENDFAX_SUBJECT, std::string());
    EnableDlgItem(IDC_SENDFAX_SUBJECT, withCover);
    EnableDlgItem(IDC_SENDFAX_PREVIEW, withCover);
    EnableDlgItem(IDC_SENDFAX_COVERLIST, withCover);
    EnableDlgItem(IDC_SENDFAX_NOTES, withCover);
}

void CDSendFax::OnPreview()
{
    const LRESULT line = SendDlgItemMessage(IDC_SENDFAX_COVERLIST, CB_GETCURSEL);
    HWND host = HostWindowHandle(m_pHostWnd);
    if (line < 0 || !host)
        return;
    const LRESULT fileName = SendDlgItemMessage(IDC_SENDFAX_COVERLIST, CB_GETITEMDATA, static_cast<WPARAM>(line));
    if (fileName == CB_ERR || fileName == 0)
        return;
    // Sent, not posted: the name belongs to the combo box and is valid only during the call.
    ::SendMessageA(host, WM_FAX_PREVIEW_COVER, FAX_PREVIEW_COVER_PAGE, fileName);
}

void CDSendFax::OnSchedule()
{
    std::string names;
    std::string faxes;
    for (int row = 0; row < m_lstRecipients.GetItemCount(); ++row) {
        const std::string fax = m_lstRecipients.GetItemText(row, 2);
        if (fax.empty())
            continue;
        AppendListed(names, m_lstRecipients.GetItemText(row, 0));
        AppendListed(faxes, fax);
    }
    if (faxes.empty()) {
        FaxMessageBox(m_hWnd, LoadModuleString(IDS_NO_FAXES_TO_SCHEDULE), "", MB_OK);
        return;
    }

    EnableDlgItem(IDC_SENDFAX_SCHEDULE, false);
    CDSchedule schedule(m_hWnd);
    schedule.m_strName = names;
    schedule.m_strFax = faxes;
    schedule.m_strSubject = GetDlgItemText(IDC_SENDFAX_SUBJECT);
    schedule.m_nChoice = m_nSchedule;
    schedule.m_stDateTime = m_stOpened;
    schedule.m_strDate = m_strSchedDate;
    schedule.m_strTime = m_strSchedTime;
    if (schedule.DoModal() == IDOK) {
        m_nSchedule = schedule.m_nChoice;
        m_stOpened = schedule.m_stDateTime;
        m_strSchedDate = schedule.m_strDate;
        m_strSchedTime = schedule.m_strTime;
    }
    EnableDlgItem(IDC_SENDFAX_SCHEDULE, true);
}

void CDSendFax::OnAddToPhonebook()
{
    const int row = m_lstRecipients.GetNextItem(-1, LVNI_SELECTED);
    const PHONEBOOK_ID* selected = SelectedBook();
    if (row < 0 || !selected)
        return;
    const PHONEBOOK_ID book = *selected;  // the combo's copy goes with the next fill

    PHONEBOOK_ENTRY entry = {};
    entry.cbSize = PHONEBOOK_ENTRY_SIZE;
    std::string first, last;
    SplitRecipientName(m_lstRecipients.GetItemText(row, 0), PHONEBOOK_PERSON_CHARS - 1, &first, &last);
    CopyField(entry.szFirstName, first);
    CopyField(entry.szLastName, last);
    CopyField(entry.szCompany, m_lstRecipients.GetItemText(row, 1));
    CopyField(entry.szFax, m_lstRecipients.GetItemText(row, 2));
    EditPhoneBookEntryDlg(&book, &entry);

    FillEntryList(book, m_lstPhonebook);
    ShowSelectedPhonebook();
}

void CDSendFax::OnOptions()
{
    CDSendOptions options;
    options.DoModal();
}
