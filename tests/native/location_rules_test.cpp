// Fax numbers become dial strings by the rules of a location handed in field by field: the
// limits of the result, the rule letters and the splitting of numbers.
#include <cstring>
#include <string>

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

std::string Dialed(CLocationRules& rules, const char* number)
{
    return std::to_string(rules.TranslateNumber(number)) + " " + rules.m_szResult;
}
}  // namespace

TEST(LocationRulesTest, EmptyEscapedAndOverlongNumbersStayWithinTheResult)
{
    const std::string digits(200, '5');
    CLocationRules rules;  // no location
    EXPECT_EQ("0 " + std::string(79, '5'), Dialed(rules, digits.c_str()));
    EXPECT_EQ("1 " + std::string(79, '5'), Dialed(rules, ("~" + digits).c_str()));
    EXPECT_EQ("1 ", Dialed(rules, "~"));
    HandInUsLocation(rules);
    for (const char* nothingToDial : {"", "abc", "+ - ()", static_cast<const char*>(nullptr)})
        EXPECT_EQ("0 ", Dialed(rules, nothingToDial));
    // Codes and a rule of full length around the number.
    rules.m_dwFlags = 0x4;
    const std::string code(31, '*'), access(31, '9');
    strcpy(rules.m_szDisableCallWaiting, code.c_str());
    strcpy(rules.m_szOutsideAccess, access.c_str());
    strcpy(rules.m_szSameAreaRule, std::string(31, 'G').c_str());
    EXPECT_EQ("1 " + code + access + "5551212" + "5551212" + "555", Dialed(rules, "555-1212"));
    // A number that cannot be split, dialed as its dialable characters.
    EXPECT_EQ("1 " + code + std::string(48, 'A'), Dialed(rules, std::string(300, 'A').c_str()));
}

TEST(LocationRulesTest, RuleLettersAndBlanks)
{
    CLocationRules rules;
    HandInUsLocation(rules);
    strcpy(rules.m_szInternationalRule, "011 E-I F\tG;efg");
    EXPECT_EQ("1 01144-202079460958;efg", Dialed(rules, "+44 20 7946 0958"));
    // An empty rule dials the local number; a dropped long-distance digit skips leading blanks.
    strcpy(rules.m_szInternationalRule, "");
    EXPECT_EQ("1 79460958", Dialed(rules, "+44 20 7946 0958"));
    rules.m_dwFlags = 0x8;
    strcpy(rules.m_szLongDistanceRule, "  1FG");
    strcpy(rules.m_szTollList, ",,5551212999,");
    EXPECT_EQ("1 4255551212", Dialed(rules, "555-1212"));
    // A French number written with its trunk "0" drops the rule's leading digit, not a letter.
    CLocationRules france;
    france.m_bLoaded = 1;
    france.SetCountryCode(33);
    strcpy(france.m_szAreaCode, "4");
    for (const char* rule : {"0FG", "FG"}) {
        strcpy(france.m_szLongDistanceRule, rule);
        EXPECT_EQ("1 0123456789", Dialed(france, "+33 01 23 45 67 89")) << rule;
    }
}

TEST(NumberSplitTest, CountryCodeAreaCodeAndLocalNumber)
{
    const struct {
        const char *own, *number, *split;
    } cases[] = {
        {"1", "4255551212", "|425|5551212"},     {"1", "555-1212", "||5551212"},
        {"1", "555 12 345 67", "|555|1234567"},  {"44", "+12125551212", "1|212|5551212"},
        {"1", "14255551212", "fails"},           {"1", "4255 555-1212", "fails"},
        {"1", "99+555-1212", "555||1212"},       {"1", "+4420 7946 0958", "442|0|79460958"},
        {"44", "123456789012 3", "|123456789012|3"}, {"44", "1234567890123 4", "fails"},
    };
    for (const auto& c : cases) {
        CLocationRules rules;
        strcpy(rules.m_szCountryCode, c.own);
        char country[kCountryCodeSize], area[kNumberPartSize], local[kNumberPartSize];
        const bool split = rules.SplitNumber(c.number, country, area, local);
        EXPECT_EQ(c.split, split ? std::string(country) + "|" + area + "|" + local : "fails") << c.number;
    }
}
