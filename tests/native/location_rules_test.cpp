// Fax numbers become dial strings by the rules of a location handed in field by field: the
// limits of the result, the rule letters, the splitting and the field reader.
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialing/location_rules.h"

namespace {
// Own country 1, area code 425, the default rules.
void HandInUsLocation(CLocationRules& rules)
{
    rules.m_bLoaded = 1;
    rules.m_dwFlags = 0;
    rules.SetCountryCode(1);
    strcpy(rules.m_szAreaCode, "425");
}

std::string SplitOf(const char* ownCountryCode, const char* number)
{
    CLocationRules rules;
    strcpy(rules.m_szCountryCode, ownCountryCode);
    char country[kCountryCodeSize], area[kNumberPartSize], local[kNumberPartSize];
    if (!rules.SplitNumber(number, country, area, local))
        return "fails";
    return std::string(country) + "|" + area + "|" + local;
}
}  // namespace

TEST(LocationRulesTest, EmptyEscapedAndOverlongNumbersStayWithinTheResult)
{
    std::string digits(200, '5');
    CLocationRules rules;  // no location
    EXPECT_EQ(0, rules.TranslateNumber(digits.c_str()));
    EXPECT_EQ(std::string(79, '5'), rules.m_szResult);
    EXPECT_EQ(1, rules.TranslateNumber(("~" + digits).c_str()));
    EXPECT_EQ(std::string(79, '5'), rules.m_szResult);
    EXPECT_EQ(1, rules.TranslateNumber(("~" + std::string(79, '7')).c_str()));
    EXPECT_EQ(std::string(79, '7'), rules.m_szResult);
    EXPECT_EQ(1, rules.TranslateNumber("~"));
    EXPECT_STREQ("", rules.m_szResult);

    HandInUsLocation(rules);
    for (const char* nothingToDial : {"", "abc", "+ - ()", static_cast<const char*>(nullptr)}) {
        EXPECT_EQ(0, rules.TranslateNumber(nothingToDial));
        EXPECT_STREQ("", rules.m_szResult);
    }
    // Codes and a rule of full length around the number.
    rules.m_dwFlags = 0x4;
    std::string code(31, '*'), access(31, '9');
    strcpy(rules.m_szDisableCallWaiting, code.c_str());
    strcpy(rules.m_szOutsideAccess, access.c_str());
    strcpy(rules.m_szSameAreaRule, std::string(31, 'G').c_str());
    EXPECT_EQ(1, rules.TranslateNumber("555-1212"));
    EXPECT_EQ(code + access + "5551212" + "5551212" + "555", rules.m_szResult);
    // A number that cannot be split, dialed as its dialable characters.
    EXPECT_EQ(1, rules.TranslateNumber(std::string(300, 'A').c_str()));
    EXPECT_EQ(code + std::string(48, 'A'), rules.m_szResult);
}

TEST(LocationRulesTest, RuleLettersAndBlanks)
{
    CLocationRules rules;
    HandInUsLocation(rules);
    strcpy(rules.m_szInternationalRule, "011 E-I F\tG;efg");
    EXPECT_EQ(1, rules.TranslateNumber("+44 20 7946 0958"));
    EXPECT_STREQ("01144-202079460958;efg", rules.m_szResult);
    // An empty rule dials the local number; a dropped long-distance digit skips leading blanks.
    strcpy(rules.m_szInternationalRule, "");
    EXPECT_EQ(1, rules.TranslateNumber("+44 20 7946 0958"));
    EXPECT_STREQ("79460958", rules.m_szResult);
    rules.m_dwFlags = 0x8;
    strcpy(rules.m_szLongDistanceRule, "  1FG");
    strcpy(rules.m_szTollList, ",,5551212999,");
    EXPECT_EQ(1, rules.TranslateNumber("555-1212"));
    EXPECT_STREQ("4255551212", rules.m_szResult);

    // A French number written with its trunk "0" drops the rule's leading digit, not a letter.
    CLocationRules france;
    france.m_bLoaded = 1;
    france.SetCountryCode(33);
    strcpy(france.m_szAreaCode, "4");
    for (const char* rule : {"0FG", "FG"}) {
        strcpy(france.m_szLongDistanceRule, rule);
        EXPECT_EQ(1, france.TranslateNumber("+33 01 23 45 67 89")) << rule;
        EXPECT_STREQ("0123456789", france.m_szResult) << rule;
    }
}

TEST(NumberSplitTest, CountryCodeAreaCodeAndLocalNumber)
{
    EXPECT_EQ("|425|5551212", SplitOf("1", "4255551212"));
    EXPECT_EQ("||5551212", SplitOf("1", "555-1212"));
    EXPECT_EQ("|555|1234567", SplitOf("1", "555 12 345 67"));
    EXPECT_EQ("1|212|5551212", SplitOf("44", "+12125551212"));
    EXPECT_EQ("fails", SplitOf("1", "14255551212"));
    EXPECT_EQ("fails", SplitOf("1", "4255 555-1212"));
    EXPECT_EQ("fails", SplitOf("1", "555-1212 +"));  // nothing after the "+" is a number
    EXPECT_EQ("||5551212", SplitOf("1", "99+ 555-1212"));
    EXPECT_EQ("555||1212", SplitOf("1", "99+555-1212"));
    EXPECT_EQ("442|0|79460958", SplitOf("1", "+4420 7946 0958"));
    EXPECT_EQ("|123456789012|3", SplitOf("44", "123456789012 3"));
    EXPECT_EQ("fails", SplitOf("44", "1234567890123 4"));
    EXPECT_EQ("fails", SplitOf("44", "no digits"));

    // Digit groups are taken from the end; the start of the number ends the walk.
    const char number[] = "(212) 5551212x";
    ptrdiff_t cursor = static_cast<ptrdiff_t>(strlen(number)) - 1;
    char group[8];
    EXPECT_EQ(4, TakeDigitGroup(number, &cursor, group, 4));
    EXPECT_STREQ("1212", group);
    EXPECT_EQ(3, TakeDigitGroup(number, &cursor, group, 7));
    EXPECT_EQ(3, TakeDigitGroup(number, &cursor, group, 7));
    EXPECT_EQ(0, cursor);
    EXPECT_EQ(0, TakeDigitGroup(number, &cursor, group, 7));
    EXPECT_STREQ("", group);
}

TEST(FieldReaderTest, SplitsAtCommasOutsideQuotesAndDropsTheQuotes)
{
    CLocationRules rules;
    char line[] = "0,\"Home, sweet\",  \"9,\" ,\" 1FG\",\"United States\"  ,plain  ,,\"";
    std::vector<std::string> fields = {rules.NextField(line)};
    for (int i = 0; i < 8; ++i)
        fields.push_back(rules.NextField(nullptr));
    EXPECT_EQ((std::vector<std::string>{"0", "Home, sweet", "9,", " 1FG", "United States", "plain  ", "", "", ""}),
              fields);
    EXPECT_EQ(nullptr, rules.m_pszField);
}

TEST(FieldReaderTest, ALocationLineWithoutAFittingCountryIsRefused)
{
    for (const char* countryField : {"1234", ""}) {
        CLocationRules refused;
        std::string line = std::string("0,\"X\",\"9,\",\"\",\"425\",") + countryField + ",0";
        EXPECT_EQ(0, refused.StoreLocationLine(&line[0])) << countryField;
        EXPECT_STREQ("", refused.m_szOutsideAccess);
    }
    CLocationRules rules;
    rules.SetCountryCode(999);
    EXPECT_STREQ("999", rules.m_szCountryCode);
    rules.SetCountryCode(1234);
    EXPECT_STREQ("1", rules.m_szCountryCode);
}
