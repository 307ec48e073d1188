// The Fax Send List's rules: the typing row at the top, when Send may be pressed, names split
// for a phonebook entry, and the file of a logged job that is converted when it is sent again.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "send/send_list_rules.h"

TEST(SendListRulesTest, TheTypingRowComesBackOnTopOfRecipientsAndReplacesAHalfTypedRowOnlyWhenAllowed)
{
    // An empty list and a recipient on top both get a fresh typing row above.
    EXPECT_EQ(TypingRowAction::kInsertAtTop, DecideTypingRow(0, false, false, false));
    EXPECT_EQ(TypingRowAction::kInsertAtTop, DecideTypingRow(1, true, false, false));
    EXPECT_EQ(TypingRowAction::kInsertAtTop, DecideTypingRow(3, true, true, true));  // the placeholder with a number
    // A name typed without a number stays while an edit ends, and goes on Add or Remove.
    EXPECT_EQ(TypingRowAction::kNone, DecideTypingRow(2, false, false, false));
    EXPECT_EQ(TypingRowAction::kReplaceTop, DecideTypingRow(2, false, false, true));
    // The typing row itself is left alone.
    EXPECT_EQ(TypingRowAction::kNone, DecideTypingRow(1, false, true, true));
    EXPECT_EQ(TypingRowAction::kNone, DecideTypingRow(1, false, true, false));
}

TEST(SendListRulesTest, SendNeedsANumberInTheOnlyRowOrInEveryRowBelowTheTop)
{
    EXPECT_FALSE(CanSend({}));
    EXPECT_FALSE(CanSend({false}));  // only the typing row
    EXPECT_TRUE(CanSend({true}));
    EXPECT_TRUE(CanSend({false, true}));
    EXPECT_TRUE(CanSend({true, true, true}));
    EXPECT_FALSE(CanSend({false, true, false}));
    EXPECT_FALSE(CanSend({true, false}));
}

TEST(SendListRulesTest, NamesSplitAtTheFirstBlankAndAreCutToTheEntryFields)
{
    struct Case {
        std::string name, first, last;
    };
    const Case cases[] = {
        {"Ann Archer", "Ann", "Archer"},
        {"Mary Ann van Dyke", "Mary", "Ann van Dyke"},
        {"Cher", "Cher", ""},
        {" Leading", "", "Leading"},
        {"", "", ""},
        {std::string(25, 'f') + " " + std::string(30, 'l'), std::string(20, 'f'), std::string(20, 'l')},
    };
    for (const Case& c : cases) {
        std::string first = "x", last = "x";
        SplitRecipientName(c.name, 20, &first, &last);
        EXPECT_EQ(c.first, first) << c.name;
        EXPECT_EQ(c.last, last) << c.name;
    }
}

TEST(SendListRulesTest, ListsAreJoinedWithCommas)
{
    std::string list;
    AppendListed(list, "Ann Archer");
    EXPECT_EQ("Ann Archer", list);
    AppendListed(list, "Bob Baker");
    AppendListed(list, "");
    EXPECT_EQ("Ann Archer, Bob Baker, ", list);
}

TEST(SendListRulesTest, ALoggedJobsDocumentIsConvertedFromItsTifUnlessItIsInTheEnginesFormAlready)
{
    EXPECT_EQ("C:\\Fax Inbox\\R00000017.tif", SourceTifToConvert("C:\\Fax Inbox\\R00000017.tif"));
    EXPECT_EQ("C:\\Outbox\\scan.tif", SourceTifToConvert("C:\\Outbox\\scan.TIF"));
    EXPECT_EQ("C:\\Outbox\\scan.tif", SourceTifToConvert("C:\\Outbox\\scan.dcx"));
    EXPECT_EQ("", SourceTifToConvert("C:\\Outbox\\A1.fmf"));
    EXPECT_EQ("", SourceTifToConvert("C:\\Outbox\\A1.FMF"));
    EXPECT_EQ("tif", SourceTifToConvert("abc"));
    EXPECT_EQ("", SourceTifToConvert("ab"));
    EXPECT_EQ("", SourceTifToConvert(""));
}

TEST(SendListRulesTest, ScheduleTextsArePaddedToTheirFields)
{
    EXPECT_EQ("07/03/2025", ScheduleDateText(7, 3, 2025));
    EXPECT_EQ("12/31/0999", ScheduleDateText(12, 31, 999));
    EXPECT_EQ("09:05:00", ScheduleTimeText(9, 5, 0));
    EXPECT_EQ("23:59:59", ScheduleTimeText(23, 59, 59));
}
