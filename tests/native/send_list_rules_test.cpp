// The Fax Send List's rules: names split for a phonebook entry, and the file of a logged job
// that is converted when it is sent again. The typing row and when Send may be pressed are
// proven on the Send Fax dialog.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "send/send_list_rules.h"

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
