// Fax numbers become dial strings by the rules of a location handed in field by field.
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialing/location_rules.h"
#include "tests/dialing_examples.h"

namespace {
void HandIn(CLocationRules& rules, const DialingExample& example)
{
    rules.m_bLoaded = 1;
    rules.m_dwFlags = example.flags;
    rules.SetCountryCode(example.countryCode);
    strcpy(rules.m_szAreaCode, example.areaCode);
    strcpy(rules.m_szOutsideAccess, example.outsideAccess);
    strcpy(rules.m_szLongDistanceAccess, example.longDistanceAccess);
    strcpy(rules.m_szDisableCallWaiting, example.callWaiting);
    strcpy(rules.m_szTollList, example.tollList);
    strcpy(rules.m_szSameAreaRule, example.sameAreaRule);
    strcpy(rules.m_szLongDistanceRule, example.longDistanceRule);
    strcpy(rules.m_szInternationalRule, example.internationalRule);
    if (!example.noPrefixAreaCodes.empty()) {
        rules.m_nNoPrefAC = static_cast<int>(example.noPrefixAreaCodes.size());
        rules.m_pNoPrefAC = new int32_t[example.noPrefixAreaCodes.size()];
        std::copy(example.noPrefixAreaCodes.begin(), example.noPrefixAreaCodes.end(), rules.m_pNoPrefAC);
    }
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

TEST(LocationRulesTest, StartsEmptyWithTheDefaultRules)
{
    CLocationRules rules;
    EXPECT_STREQ("", rules.m_szResult);
    EXPECT_EQ(0, rules.m_bLoaded);
    EXPECT_EQ(0, rules.m_nCountryId);
    EXPECT_EQ(1u, rules.m_dwFlags);
    EXPECT_EQ(nullptr, rules.m_pNoPrefAC);
    EXPECT_EQ(0, rules.m_nNoPrefAC);
    EXPECT_STREQ("", rules.m_szAreaCode);
    EXPECT_STREQ("", rules.m_szOutsideAccess);
    EXPECT_STREQ("011EFG", rules.m_szInternationalRule);
    EXPECT_STREQ("1FG", rules.m_szLongDistanceRule);
    EXPECT_STREQ("G", rules.m_szSameAreaRule);
    EXPECT_EQ(nullptr, rules.m_pszField);
}

TEST(LocationRulesTest, ExamplesDialAsExpected)
{
    for (const DialingExample& example : DialingExamples()) {
        SCOPED_TRACE(example.name);
        CLocationRules rules;
        HandIn(rules, example);
        for (const DialedNumber& row : example.dialed) {
            EXPECT_EQ(1, rules.TranslateNumber(row.number)) << row.number;
            EXPECT_STREQ(row.dialString, rules.m_szResult) << row.number;
        }
        for (const char* nothingToDial : {"", "abc", "+ - ()", static_cast<const char*>(nullptr)}) {
            EXPECT_EQ(0, rules.TranslateNumber(nothingToDial));
            EXPECT_STREQ("", rules.m_szResult);
        }
    }
}

TEST(LocationRulesTest, WithoutALocationOnlyEscapedNumbersAreTranslated)
{
    CLocationRules rules;
    EXPECT_EQ(0, rules.TranslateNumber("(212) 555-1212"));
    EXPECT_STREQ("(212) 555-1212", rules.m_szResult);
    EXPECT_EQ(1, rules.TranslateNumber("~9,555 1212"));
    EXPECT_STREQ("9,555 1212", rules.m_szResult);
    EXPECT_EQ(1, rules.TranslateNumber("~"));
    EXPECT_STREQ("", rules.m_szResult);
}

TEST(LocationRulesTest, ResultsThatWouldNotFitAreCutToSeventyNineCharacters)
{
    std::string digits(200, '5');
    CLocationRules rules;
    EXPECT_EQ(0, rules.TranslateNumber(digits.c_str()));
    EXPECT_EQ(std::string(79, '5'), rules.m_szResult);
    EXPECT_EQ(1, rules.TranslateNumber(("~" + digits).c_str()));
    EXPECT_EQ(std::string(79, '5'), rules.m_szResult);
    EXPECT_EQ(1, rules.TranslateNumber(("~" + std::string(79, '7')).c_str()));
    EXPECT_EQ(std::string(79, '7'), rules.m_szResult);

    // Codes and a rule of full length around the number.
    HandIn(rules, DialingExamples()[0]);
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
    HandIn(rules, DialingExamples()[0]);
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
    EXPECT_EQ("44|20|79460958", SplitOf("1", "+44 20 7946 0958"));
    EXPECT_EQ("442|0|79460958", SplitOf("1", "+4420 7946 0958"));
    EXPECT_EQ("|020|79460958", SplitOf("44", "020 7946 0958"));
    EXPECT_EQ("|123456789012|3", SplitOf("44", "123456789012 3"));
    EXPECT_EQ("fails", SplitOf("44", "1234567890123 4"));
    EXPECT_EQ("fails", SplitOf("44", "no digits"));

    const char number[] = "(212) 5551212x";
    ptrdiff_t cursor = static_cast<ptrdiff_t>(strlen(number)) - 1;
    char group[8];
    EXPECT_EQ(4, TakeDigitGroup(number, &cursor, group, 4));
    EXPECT_STREQ("1212", group);
    EXPECT_EQ(3, TakeDigitGroup(number, &cursor, group, 7));
    EXPECT_STREQ("555", group);
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

TEST(FieldReaderTest, TelephonIniLinesFillTheLocationAndRefuseWhatDoesNotFit)
{
    CLocationRules rules;
    char location[] = "0,\"Office\",\"9,\",\"8,\",\"206\",33,0,0,1,\"\",0,\"*70,\"";
    EXPECT_EQ(1, rules.StoreLocationLine(location));
    EXPECT_STREQ("9,", rules.m_szOutsideAccess);
    EXPECT_STREQ("8,", rules.m_szLongDistanceAccess);
    EXPECT_STREQ("206", rules.m_szAreaCode);
    EXPECT_STREQ("33", rules.m_szCountryCode);
    EXPECT_EQ(33, rules.m_nCountryId);
    EXPECT_STREQ("*70,", rules.m_szDisableCallWaiting);
    EXPECT_EQ(0x5u, rules.m_dwFlags);
    char country[] = "33,33,\"France\",\"G\",\"0FG\",\"00EFG\"";
    rules.StoreCountryLine(country);
    EXPECT_STREQ("0FG", rules.m_szLongDistanceRule);
    EXPECT_STREQ("00EFG", rules.m_szInternationalRule);

    CLocationRules overlong;
    std::string code(32, '9');
    std::string line = "0,\"X\",\"" + code + "\",\"8,\",\"12345678\",49,0,0,1,\"\",0,\"" + code + "\"";
    EXPECT_EQ(1, overlong.StoreLocationLine(&line[0]));
    EXPECT_STREQ("", overlong.m_szOutsideAccess);
    EXPECT_STREQ("8,", overlong.m_szLongDistanceAccess);
    EXPECT_STREQ("", overlong.m_szAreaCode);
    EXPECT_STREQ("", overlong.m_szDisableCallWaiting);
    EXPECT_EQ(1u, overlong.m_dwFlags);
    std::string rulesLine = "49,49,\"X\",\"G\",\"" + std::string(32, 'G') + "\",\"00EFG\"";
    overlong.StoreCountryLine(&rulesLine[0]);
    EXPECT_STREQ("1FG", overlong.m_szLongDistanceRule);
    EXPECT_STREQ("00EFG", overlong.m_szInternationalRule);

    for (const char* countryField : {"1234", ""}) {
        CLocationRules refused;
        std::string refusedLine = std::string("0,\"X\",\"9,\",\"\",\"425\",") + countryField + ",0";
        EXPECT_EQ(0, refused.StoreLocationLine(&refusedLine[0]));
        EXPECT_STREQ("", refused.m_szOutsideAccess);
    }

    rules.SetCountryCode(999);
    EXPECT_STREQ("999", rules.m_szCountryCode);
    rules.SetCountryCode(1234);
    EXPECT_STREQ("1", rules.m_szCountryCode);
}
