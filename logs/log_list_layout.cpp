#include "logs/log_list_layout.h"

#include <string>

#include "controls/column_sort.h"
#include "framework/resources.h"
#include "phonebook/list_columns.h"
#include "res/resource.h"

void SetupLogList(CSortListCtrl& list)
{
    static const unsigned char kColumnTypes[7] = {SORT_TEXT_NOCASE,  SORT_DATE_TIME,    SORT_DATE_TIME,
                                                  SORT_WHOLE_NUMBER, SORT_TEXT_NOCASE, SORT_TEXT_NOCASE,
                                                  SORT_TEXT_NOCASE};
    if (list.SetColumnTypes(kColumnTypes, 7))
        list.EnableSort(1);
    list.SetHighlightType(2);
    list.EnableHeaderDrag(1);

    static const UINT kTitleIds[7] = {IDS_COLUMN_STATUS, IDS_COLUMN_DATE,    IDS_COLUMN_TIME, IDS_COLUMN_PAGES,
                                      IDS_COLUMN_NAME,   IDS_COLUMN_COMPANY, IDS_COLUMN_FAX};
    std::string titles[7];
    const char* titlePointers[7] = {};
    for (int i = 0; i < 7; ++i) {
        titles[i] = LoadModuleString(kTitleIds[i]);
        titlePointers[i] = titles[i].c_str();
    }
    SetListColumns(list.m_hWnd, titlePointers, 7);
    list.DeleteAllItems();
}
