// The Fax Send List and the phonebook panel of the Send Fax dialog: the typing row, rows
// added from the phonebook or removed, and the buttons that follow them.
#include <vector>

#include "framework/resources.h"
#include "phonebook/phonebook_selectors.h"
#include "phonebook/record.h"
#include "phonebook/record_names.h"
#include "res/resource.h"
#include "send/send_fax_dialog.h"
#include "send/send_list_rules.h"

namespace {
constexpr int kNameColumn = 0;
constexpr int kCompanyColumn = 1;
constexpr int kFaxColumn = 2;
}  // namespace

std::string CDSendFax::PlaceholderText() const { return LoadModuleString(IDS_TYPE_HERE); }

void CDSendFax::AddRow(int position, const CRecord& contact)
{
    const std::string name = contact.GetField(CONTACT_NAME);
    const std::string fax = contact.GetField(CONTACT_FAX);
    for (int row = 0; row < m_lstRecipients.GetItemCount(); ++row)
        if (m_lstRecipients.GetItemText(row, kNameColumn) == name && m_lstRecipients.GetItemText(row, kFaxColumn) == fax)
            return;
    int row = m_lstRecipients.InsertItem(position, name.c_str());
    if (row < 0)
        return;
    m_lstRecipients.SetItemText(row, kCompanyColumn, contact.GetField(CONTACT_COMPANY).c_str());
    m_lstRecipients.SetItemText(row, kFaxColumn, fax.c_str());
}

void CDSendFax::ApplyTypingRowRule(BOOL bAllowRemoval)
{
    const std::string placeholder = PlaceholderText();
    const int count = m_lstRecipients.GetItemCount();
    const bool topHasFax = count > 0 && !m_lstRecipients.GetItemText(0, kFaxColumn).empty();
    const bool topIsPlaceholder = count > 0 && m_lstRecipients.GetItemText(0, kNameColumn) == placeholder;
    TypingRowAction action = DecideTypingRow(count, topHasFax, topIsPlaceholder, bAllowRemoval != FALSE);
    if (action == TypingRowAction::kNone)
        return;
    if (action == TypingRowAction::kReplaceTop)
        m_lstRecipients.DeleteItem(0);
    CRecord typingRow(CRecord::TYPE_CONTACT);
    typingRow.SetField(CONTACT_NAME, placeholder);
    AddRow(0, typingRow);
}

void CDSendFax::UpdateSendButtons()
{
    std::vector<bool> rowHasFax;
    for (int row = 0; row < m_lstRecipients.GetItemCount(); ++row)
        rowHasFax.push_back(!m_lstRecipients.GetItemText(row, kFaxColumn).empty());
    const bool anySelected = m_lstRecipients.GetNextItem(-1, LVNI_SELECTED) >= 0;
    EnableDlgItem(IDOK, CanSend(rowHasFax));
    EnableDlgItem(IDC_SENDFAX_REMOVE, anySelected);
    EnableDlgItem(IDC_SENDFAX_ADDTOBOOK, anySelected);
    EnableDlgItem(IDC_SENDFAX_SCHEDULE, rowHasFax.size() > 1);
}

void CDSendFax::UpdateAddButtons()
{
    EnableDlgItem(IDC_SENDFAX_ADD, m_lstPhonebook.GetNextItem(-1, LVNI_SELECTED) >= 0);
    EnableDlgItem(IDC_SENDFAX_ADDALL, m_lstPhonebook.GetItemCount() > 0);
}

const PHONEBOOK_ID* CDSendFax::SelectedBook() const
{
    return BookIdOfLine(m_cbPhonebooks, m_cbPhonebooks.GetCurSel());
}

void CDSendFax::ShowSelectedPhonebook()
{
    if (const PHONEBOOK_ID* book = SelectedBook())
        FillEntryList(*book, m_lstPhonebook);
    else
        ClearEntryList(m_lstPhonebook);
    UpdateAddButtons();
    SetForegroundWindow(m_hWnd);
}

void CDSendFax::AddSelectedEntries(bool all)
{
    const PHONEBOOK_ID* book = SelectedBook();
    for (int row = 0; book && row < m_lstPhonebook.GetItemCount(); ++row) {
        if (!all && !(m_lstPhonebook.GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED))
            continue;
        const PHONEBOOK_ID* entryId = EntryIdOfRow(m_lstPhonebook, row);
        if (!entryId)
            continue;
        PHONEBOOK_ENTRY entry = {};
        entry.cbSize = PHONEBOOK_ENTRY_SIZE;
        entry.id = *entryId;
        if (GetPhoneBookEntryData(book, &entry) != 0)
            continue;
        CRecord contact(CRecord::TYPE_CONTACT);
        contact.SetField(CONTACT_NAME, PhoneBookFieldText(entry.szFirstName, sizeof entry.szFirstName) + " " +
                                           PhoneBookFieldText(entry.szLastName, sizeof entry.szLastName));
        contact.SetField(CONTACT_COMPANY, PhoneBookFieldText(entry.szCompany, sizeof entry.szCompany));
        contact.SetField(CONTACT_FAX, PhoneBookFieldText(entry.szFax, sizeof entry.szFax));
        AddRow(m_lstRecipients.GetItemCount(), contact);
    }
    ApplyTypingRowRule(TRUE);
    UpdateSendButtons();
    UpdateAddButtons();
}

void CDSendFax::RemoveSelectedRows()
{
    for (int row = m_lstRecipients.GetItemCount() - 1; row >= 0; --row)
        if (m_lstRecipients.GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED)
            m_lstRecipients.DeleteItem(row);
    ApplyTypingRowRule(TRUE);
    UpdateSendButtons();
}
