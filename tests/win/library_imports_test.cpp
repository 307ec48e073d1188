// The module's own declarations of the fax engine and the phonebook library resolve through
// the import libraries to the libraries' exports, and bad arguments get defined answers.
#include <gtest/gtest.h>

#include "engine/engine_memory.h"
#include "engine/fax_engine.h"
#include "phonebook/phonebook_library.h"

TEST(LibraryImportsTest, EngineCallsAnswerAHandleTheEngineNeverGaveOut)
{
    const FAXENGINE unknown = 0;
    SEND_FAX job = {};
    SEND_FAX* record = &job;
    SHORT count = FAXLOG_BLOCK_ENTRIES;
    EXPECT_EQ(0u, FaxInitSendStruct(unknown, &job));
    EXPECT_EQ(0u, FaxSchedule(unknown, &job));
    EXPECT_GE(FaxLogInit(unknown, FAXLOG_SENT), FAXLOG_INIT_FIRST_FAILURE);
    EXPECT_LT(FaxLogGetCount(unknown, FAXLOG_SENT), 1);
    EXPECT_NE(FAXLOG_MORE_BLOCKS, FaxLogNextBlock(unknown, &record, &count));
    EXPECT_EQ(0, count);
    EXPECT_EQ(nullptr, record);
    EXPECT_NE(static_cast<DWORD>(FAXENGINE_OK), FaxLogFind(unknown, &record, 1));
    EXPECT_EQ(nullptr, record);
    FreeEngineMemory(record);
    EXPECT_EQ(0u, FaxLogDelete(unknown, 1, FAXLOG_SENT));
    EXPECT_EQ(0u, FaxCancel(unknown, 1));
    EXPECT_EQ(0u, FaxCreate(unknown, "in.tif", "out.fmf", 0));
    EXPECT_EQ(0u, FaxEnumDevices(unknown));
    EXPECT_NE(static_cast<DWORD>(FAXENGINE_OK), FaxAddDevice(unknown, 1));
    EXPECT_EQ(0u, FaxRemoveDevice(unknown, 1));
    EXPECT_EQ(0u, FaxSetConfig(unknown, "AutoReceive", "ON"));
}

TEST(LibraryImportsTest, PhonebookCallsRefuseMissingRecords)
{
    PHONEBOOK_ID book = {};
    LONG cursor = -1;
    EXPECT_FALSE(GetNextPhoneBookID(nullptr, &book));
    EXPECT_FALSE(GetNextPhoneBookEntryID(book, &cursor, nullptr));
    EXPECT_NE(0, GetPhoneBookData(nullptr));
    EXPECT_NE(0, GetPhoneBookEntryData(&book, nullptr));
    EXPECT_NE(IDOK, EditPhoneBookEntryDlg(&book, nullptr));
    // The editor needs a user; that it is imported is enough here.
    EXPECT_NE(nullptr, reinterpret_cast<void*>(&EditPhoneBookDlg));
}
