// Splitting a written fax number into country code, area code and local number.
#include <cstring>

#include "dialing/location_rules.h"

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

ptrdiff_t LastCharacter(const char* start) { return static_cast<ptrdiff_t>(strlen(start)) - 1; }
}  // namespace

int TakeDigitGroup(const char* start, ptrdiff_t* cursor, char* group, int maxDigits)
{
    ptrdiff_t position = *cursor;
    while (position >= 0 && !IsDigit(start[position]))
        --position;
    int count = 0;
    while (position >= 0 && count < maxDigits && IsDigit(start[position])) {
        --position;
        ++count;
    }
    memcpy(group, start + position + 1, static_cast<size_t>(count));
    group[count] = '\0';
    *cursor = position;
    return count;
}

const char* CLocationRules::ParseCountryCode(const char* number, char* countryOut) const
{
    countryOut[0] = '\0';
    const char* plus = strchr(number, '+');
    if (!plus)
        return number;
    const char* digits = plus + 1;
    size_t most = digits[0] == '1' ? 1 : kCountryCodeSize - 1;
    size_t taken = 0;
    while (taken < most && IsDigit(digits[taken]))
        ++taken;
    memcpy(countryOut, digits, taken);
    countryOut[taken] = '\0';
    return digits + taken;
}

int CLocationRules::SplitNumber(const char* number, char* countryOut, char* areaOut, char* localOut) const
{
    areaOut[0] = '\0';
    localOut[0] = '\0';
    const char* start = ParseCountryCode(number, countryOut);
    const char* countryInForce = countryOut[0] ? countryOut : m_szCountryCode;
    if (strcmp(countryInForce, "1") == 0)
        return SplitNorthAmerican(start, areaOut, localOut);
    return SplitInternational(start, strlen(countryInForce), areaOut, localOut);
}

int CLocationRules::SplitNorthAmerican(const char* start, char* areaOut, char* localOut) const
{
    const int kLocalDigits = 7;
    const int kAreaDigits = 3;
    ptrdiff_t cursor = LastCharacter(start);
    char local[kLocalDigits + 1] = "";
    int have = 0;
    while (have < kLocalDigits) {
        char group[kLocalDigits + 1];
        int count = TakeDigitGroup(start, &cursor, group, kLocalDigits - have);
        if (count == 0)
            return 0;
        memmove(local + count, local, static_cast<size_t>(have) + 1);
        memcpy(local, group, static_cast<size_t>(count));
        have += count;
    }
    // Whatever stands before the area code (a long-distance "1" of its own) is not looked at.
    char area[kLocalDigits + 1];
    int count = TakeDigitGroup(start, &cursor, area, kLocalDigits);
    if (count != 0 && count != kAreaDigits)
        return 0;
    memcpy(areaOut, area, static_cast<size_t>(count) + 1);
    memcpy(localOut, local, sizeof local);
    return 1;
}

int CLocationRules::SplitInternational(const char* start, size_t countryCodeLength, char* areaOut, char* localOut) const
{
    ptrdiff_t cursor = LastCharacter(start);
    char local[kNumberPartSize];
    char area[kNumberPartSize] = "";
    int taken = TakeDigitGroup(start, &cursor, local, kMaxNumberPartDigits);
    if (taken == 0)
        return 0;
    size_t localLength = static_cast<size_t>(taken);
    size_t areaLength = 0;
    while (taken < kMaxNumberPartDigits) {
        char group[kNumberPartSize];
        int count = TakeDigitGroup(start, &cursor, group, kMaxNumberPartDigits - taken);
        if (count == 0)
            break;
        // The group taken before becomes part of the local number; the new one is the area code.
        memmove(local + areaLength, local, localLength + 1);
        memcpy(local, area, areaLength);
        localLength += areaLength;
        memcpy(area, group, static_cast<size_t>(count) + 1);
        areaLength = static_cast<size_t>(count);
        taken += count;
    }
    if (countryCodeLength + static_cast<size_t>(taken) > kMaxInternationalDigits)
        return 0;
    memcpy(areaOut, area, areaLength + 1);
    memcpy(localOut, local, localLength + 1);
    return 1;
}

void CLocationRules::FilterDialable(const char* number, char* out, size_t maxCharacters) const
{
    size_t length = 0;
    for (; *number && length < maxCharacters; ++number)
        if (IsDialableChar(*number))
            out[length++] = *number;
    out[length] = '\0';
}

bool CLocationRules::IsDialableChar(char c) const
{
    return IsDigit(c) || (c != '\0' && strchr("#*,W@$ABCD", c) != nullptr);
}
