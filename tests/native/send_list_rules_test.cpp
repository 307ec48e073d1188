// The Fax Send List's rules: the typing row at the top, when Send may be pressed, names split
// for a phonebook entry, and the file of a logged job that is converted when it is sent again.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "send/send_list_rules.h"

TEST(SendListRulesTest, TheTypingRowComesBackOnTopOfRecipientsAndReplacesAHalfTypedRowOnlyWhenAllowed)
{
    // rows, top has a fax, top is the typing row, removal allowed
    EXPECT_EQ(TypingRowAction::kInsertAtTop, DecideTypingRow(0, false, false, false));
    EXPECT_EQ(TypingRowAction::kInsertAtTop, DecideTypingRow(3, true, true, true));  // the placeholder with a number
    EXPECT_EQ(TypingRowAction::kNone, DecideTypingRow(2, false, false, false));  // a typed name stays while editing
    EXPECT_EQ(TypingRowAction::kReplaceTop, DecideTypingRow(2, false, false, true));  // and goes on Add or Remove
    EXPECT_EQ(TypingRowAction::kNone, DecideTypingRow(1, false, true, true));
}

TEST(SendListRulesTest, SendNeedsANumberInTheOnlyRowOrInEveryRowBelowTheTop)
{
    for (const std::vector<bool>& rows : std::vector<std::vector<bool>>{{true}, {false, true}, {true, true, true}})
        EXPECT_TRUE(CanSend(rows)) << rows.size();
    for (const std::vector<bool>& rows : std::vector<std::vector<bool>>{{}, {false}, {false, true, false}, {true, false}})
        EXPECT_FALSE(CanSend(rows)) << rows.size();
}

TEST(SendListRulesTest, NamesSplitAtTheFirstBlankAndAreCutToTheEntryFields)
{
    const std::string longFirst(25, 'f'), longLast(30, 'l');
    const std::vector<std::vector<std::string>> cases = {
        {"Mary Ann van Dyke", "Mary", "Ann van Dyke"}, {"Cher", "Cher", ""}, {" Leading", "", "Leading"},
        {"", "", ""}, {longFirst + " " + longLast, longFirst.substr(0, 20), longLast.substr(0, 20)}};
    for (const auto& c : cases) {
        std::string first = "x", last = "x";
        SplitRecipientName(c[0], 20, &first, &last);
        EXPECT_EQ(c[1] + "|" + c[2], first + "|" + last) << c[0];
    }
}

TEST(SendListRulesTest, ALoggedJobsDocumentIsConvertedFromItsTifUnlessItIsInTheEnginesFormAlready)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"C:\\Fax Inbox\\R00000017.tif", "C:\\Fax Inbox\\R00000017.tif"}, {"C:\\Outbox\\scan.TIF", "C:\\Outbox\\scan.tif"},
        {"C:\\Outbox\\scan.dcx", "C:\\Outbox\\scan.tif"}, {"C:\\Outbox\\A1.fmf", ""}, {"C:\\Outbox\\A1.FMF", ""},
        {"abc", "tif"}, {"ab", ""}, {"", ""}};
    for (const auto& [file, source] : cases)
        EXPECT_EQ(source, SourceTifToConvert(file)) << file;
}
