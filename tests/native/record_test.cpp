// Records, record file slots and the column layout of the module's lists.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "phonebook/column_widths.h"
#include "phonebook/record.h"
#include "phonebook/record_file.h"
#include "phonebook/record_names.h"

TEST(RecordTest, TypeFixesTheFieldsInUse)
{
    CRecord plain(CRecord::TYPE_PLAIN), contact(CRecord::TYPE_CONTACT), log(CRecord::TYPE_LOG), other(9);
    EXPECT_EQ(2, plain.GetFieldCount());
    EXPECT_EQ(15, contact.GetFieldCount());
    EXPECT_EQ(8, log.GetFieldCount());
    EXPECT_EQ(0, other.GetFieldCount());

    EXPECT_TRUE(log.SetField(7, "555-0100"));
    EXPECT_FALSE(log.SetField(8, "beyond the log's fields"));
    EXPECT_FALSE(other.SetField(0, "none"));
    EXPECT_FALSE(contact.SetField(-1, "x"));
    EXPECT_EQ("555-0100", log.GetField(7));
    EXPECT_EQ("", log.GetField(8));
    for (int field = 0; field < 15; ++field)
        EXPECT_EQ("", contact.GetField(field));
}

TEST(RecordTest, DisplayNameIsFirstBlankLast)
{
    CRecord contact(CRecord::TYPE_CONTACT);
    contact.SetField(CONTACT_FIRST_NAME, "Ada");
    contact.SetField(CONTACT_LAST_NAME, "Lovelace");
    EXPECT_EQ("Ada Lovelace", contact.JoinedName());
    EXPECT_EQ(" ", CRecord(CRecord::TYPE_CONTACT).JoinedName());
}

TEST(RecordTest, RecordFileSlotsAreBoundedAndCarryRecords)
{
    auto file = std::make_unique<CRecordFile>();
    EXPECT_TRUE(file->SetField(499, 14, "last slot"));
    EXPECT_FALSE(file->SetField(500, 0, "x"));
    EXPECT_FALSE(file->SetField(0, 15, "x"));
    EXPECT_FALSE(file->SetField(-1, 0, "x"));
    EXPECT_EQ("last slot", file->GetField(499, 14));
    EXPECT_EQ("", file->GetField(500, 0));

    CRecord contact(CRecord::TYPE_CONTACT);
    contact.SetField(CONTACT_FIRST_NAME, "Grace");
    contact.SetField(CONTACT_FAX, "555-0199");
    ASSERT_TRUE(file->SetRecord(3, contact));
    CRecord back = file->GetRecord(3, CRecord::TYPE_CONTACT);
    EXPECT_EQ("Grace", back.GetField(CONTACT_FIRST_NAME));
    EXPECT_EQ("555-0199", back.GetField(CONTACT_FAX));
    EXPECT_FALSE(file->SetRecord(500, contact));
}

TEST(RecordTest, ColumnWidthsOfOtherCountsAndTinyLists)
{
    EXPECT_EQ(148, ListColumnWidth(300, 2, 0));
    EXPECT_EQ(148, ListColumnWidth(300, 2, 1));
    EXPECT_EQ(0, ListColumnWidth(300, 0, 0));
    EXPECT_EQ(3, ListColumnWidth(6, 7, 3));  // a tiny list still gets its narrow column
}
