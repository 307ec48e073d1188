#pragma once
// Locations and the dial strings they make of typical fax numbers. The native tests hand
// each location to the rules field by field; the Windows tests write it into the registry.
#include <cstdint>
#include <vector>

struct DialedNumber {
    const char* number;
    const char* dialString;
};

struct DialingExample {
    const char* name;
    const char* areaCode;
    uint32_t countryCode;  // also the country's number in the country list
    uint32_t flags;
    const char* outsideAccess;
    const char* longDistanceAccess;
    const char* callWaiting;
    const char* tollList;
    std::vector<int32_t> noPrefixAreaCodes;
    const char* sameAreaRule;
    const char* longDistanceRule;
    const char* internationalRule;
    std::vector<DialedNumber> dialed;
};

inline const std::vector<DialingExample>& DialingExamples()
{
    static const std::vector<DialingExample> examples = {
        {"United States without access codes", "425", 1, 0, "", "", "", "", {}, "G", "1FG", "011EFG",
         {{"555-1212", "5551212"},
          {"(425) 555-1212", "5551212"},
          {"(212) 555-1212", "12125551212"},
          {"+44 20 7946 0958", "011442079460958"},
          {"+1 212 555 1212", "12125551212"},
          {"1 (212) 555-1212", "12125551212"},
          {"12345", "12345"},
          {"555-CALL", "555CA"},
          {"14255551212", "14255551212"},
          {"~9,555 1212", "9,555 1212"}}},
        {"outside and long-distance access", "425", 1, 0, "9,", "8,", "", "", {}, "G", "1FG", "011EFG",
         {{"555-1212", "9,5551212"},
          {"(212) 555-1212", "8,12125551212"},
          {"+44 20 7946 0958", "8,011442079460958"},
          {"12345", "12345"}}},
        {"call waiting disabled first", "425", 1, 0x4, "9,", "8,", "*70,", "", {}, "G", "1FG", "011EFG",
         {{"555-1212", "*70,9,5551212"},
          {"(212) 555-1212", "*70,8,12125551212"},
          {"+44 20 7946 0958", "*70,8,011442079460958"},
          {"555-CALL", "*70,555CA"},
          {"~9,555 1212", "9,555 1212"}}},
        {"area code always dialed, toll list", "425", 1, 0x8, "9,", "8,", "", "555,556", {}, "G", "1FG", "011EFG",
         {{"555-1212", "9,14255551212"},
          {"556-1212", "9,14255561212"},
          {"557-1212", "9,4255571212"},
          {"(425) 557-1212", "9,4255571212"},
          {"(212) 555-1212", "8,12125551212"}}},
        {"area codes without the long-distance digit", "425", 1, 0, "9,", "8,", "", "555,556", {718, 212}, "G",
         " 1FG", "011EFG",
         {{"(212) 555-1212", "9,2125551212"},
          {"(718) 555-1212", "9,7185551212"},
          {"(213) 555-1212", "8,12135551212"},
          {"555-1212", "9,5551212"}}},
        {"France", "4", 33, 0, "", "", "", "", {}, "G", "0FG", "00EFG",
         {{"+33 01 23 45 67 89", "0123456789"},
          {"+33 1 23 45 67 89", "0123456789"},
          {"01 23 45 67 89", "00123456789"},
          {"+44 20 7946 0958", "00442079460958"},
          {"+1 212 555 1212", "0012125551212"}}},
        {"Germany, fifteen digits at most", "89", 49, 0, "", "", "", "", {30}, "G", "0FG", "00EFG",
         {{"+44 20 79460958123", "00442079460958123"},
          {"+44 20 794609581234", "4420794609581234"},
          {"040 1234567890", "00401234567890"},
          {"040 12345678901", "04012345678901"},
          {"030 1234567", "0301234567"},
          {"99999999999 1", "0999999999991"}}},
    };
    return examples;
}
