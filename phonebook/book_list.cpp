#include "phonebook/book_list.h"

#include "phonebook/record_names.h"

int LoadBookList(CNameIndex& index, CRecordFile& recordFile)
{
    index.Load(g_szMasterList, false);
    if (index.GetCount() > 0)
        return 1;
    index.Add(g_szDefaultBook);
    int saved = index.Save(g_szMasterList);
    recordFile.GetIndex().Clear();
    if (!recordFile.Save(g_szDefaultBook, true))
        saved = 0;
    return saved;
}

int FillBookListBox(CRecordFile& recordFile, HWND listBox)
{
    CNameIndex books;
    LoadBookList(books, recordFile);
    SendMessageA(listBox, LB_RESETCONTENT, 0, 0);
    int lines = 0;
    for (int i = 0; i < books.GetCount(); ++i) {
        if (books.IsRemoved(i))
            continue;
        std::string name = books.GetAt(i);
        if (SendMessageA(listBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str())) >= 0)
            ++lines;
    }
    SendMessageA(listBox, LB_SETCURSEL, 0, 0);
    return lines;
}
