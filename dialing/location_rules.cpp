#include "dialing/location_rules.h"

#include <cstring>

#include "dialing/bounded_text.h"

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A rule ignores every kind of space character.
bool IsRuleBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// Appends to a fixed buffer and stops one byte short of its end, so the text stays
// terminated however long the codes, rules and number parts are.
class BoundedWriter {
public:
    BoundedWriter(char* buffer, size_t size) : m_buffer(buffer), m_size(size) { m_buffer[0] = '\0'; }
    void Append(char c)
    {
        if (m_length + 1 >= m_size)
            return;
        m_buffer[m_length++] = c;
        m_buffer[m_length] = '\0';
    }
    void Append(const char* text)
    {
        for (; *text; ++text)
            Append(*text);
    }

private:
    char* m_buffer;
    size_t m_size;
    size_t m_length = 0;
};

// The long-distance rule without the long-distance digit: what follows its leading blanks
// and its first other character (" 1FG" becomes "FG").
const char* WithoutLongDistanceDigit(const char* rule)
{
    while (IsRuleBlank(*rule))
        ++rule;
    return *rule ? rule + 1 : rule;
}

// The area code's numeric value; false when it is too large for any stored area code.
bool AreaCodeValue(const char* area, int32_t* value)
{
    int64_t number = 0;
    for (; *area; ++area) {
        if (!IsDigit(*area))
            return false;
        number = number * 10 + (*area - '0');
        if (number > INT32_MAX)
            return false;
    }
    *value = static_cast<int32_t>(number);
    return true;
}
}  // namespace

CLocationRules::CLocationRules()
    : m_bLoaded(0), m_nCountryId(0), m_dwFlags(1), m_pNoPrefAC(nullptr), m_nNoPrefAC(0), m_pszField(nullptr)
{
    // The own country code is only read once a location is loaded; it starts empty all the same.
    memset(m_szResult, 0, sizeof m_szResult);
    memset(m_szAreaCode, 0, sizeof m_szAreaCode);
    memset(m_szCountryCode, 0, sizeof m_szCountryCode);
    memset(m_szDisableCallWaiting, 0, sizeof m_szDisableCallWaiting);
    memset(m_szLongDistanceAccess, 0, sizeof m_szLongDistanceAccess);
    memset(m_szOutsideAccess, 0, sizeof m_szOutsideAccess);
    memset(m_szTollList, 0, sizeof m_szTollList);
    CopyTextCut(m_szInternationalRule, sizeof m_szInternationalRule, "011EFG");
    CopyTextCut(m_szLongDistanceRule, sizeof m_szLongDistanceRule, "1FG");
    CopyTextCut(m_szSameAreaRule, sizeof m_szSameAreaRule, "G");
}

CLocationRules::~CLocationRules() { delete[] m_pNoPrefAC; }

int CLocationRules::TranslateNumber(const char* number)
{
    m_szResult[0] = '\0';
    if (!number)
        number = "";
    if (IsEscapedNumber(number)) {
        CopyTextCut(m_szResult, sizeof m_szResult, number + 1);
        return 1;
    }
    if (!m_bLoaded) {
        CopyTextCut(m_szResult, sizeof m_szResult, number);
        return 0;
    }

    char country[kCountryCodeSize];
    char area[kNumberPartSize];
    char local[kNumberPartSize];
    if (!SplitNumber(number, country, area, local)) {
        // Not a number the rules understand: dial what can be dialed of it, as it stands.
        FilterDialable(number, local, kMaxNumberPartDigits);
        if (local[0] == '\0')
            return 0;
        ComposeResult("", "G", "", "", local);
        return 1;
    }

    CallCase callCase = ClassifyCall(country, area);
    const char* accessCode = m_szOutsideAccess;
    const char* rule = m_szSameAreaRule;
    const char* callArea = area;
    switch (callCase) {
    case CallCase::International:
        accessCode = m_szLongDistanceAccess;
        rule = m_szInternationalRule;
        break;
    case CallCase::LongDistance:
        if (IsNoPrefixAreaCode(area)) {
            accessCode = m_szOutsideAccess;
            rule = WithoutLongDistanceDigit(m_szLongDistanceRule);
        } else {
            accessCode = m_szLongDistanceAccess;
            rule = m_szLongDistanceRule;
        }
        break;
    case CallCase::Local:
        accessCode = m_szOutsideAccess;
        if (m_dwFlags & kAlwaysDialAreaCode) {
            callArea = m_szAreaCode;
            rule = MatchesTollList(local) ? m_szLongDistanceRule : WithoutLongDistanceDigit(m_szLongDistanceRule);
        } else {
            rule = m_szSameAreaRule;
        }
        break;
    }

    // A French number written with its trunk "0" after "+33" already carries the digit the
    // rule would add.
    if (strcmp(country, "33") == 0 && callCase != CallCase::International &&
        strlen(callArea) + strlen(local) >= 10 && IsDigit(rule[0]))
        ++rule;

    ComposeResult(accessCode, rule, country, callArea, local);
    return 1;
}

CLocationRules::CallCase CLocationRules::ClassifyCall(const char* country, const char* area) const
{
    bool ownArea = area[0] == '\0' || strcmp(area, m_szAreaCode) == 0;
    bool ownCountry = country[0] == '\0' || strcmp(country, m_szCountryCode) == 0;
    if (ownArea && ownCountry)
        return CallCase::Local;
    if (!ownCountry)
        return CallCase::International;
    return CallCase::LongDistance;
}

bool CLocationRules::IsNoPrefixAreaCode(const char* area) const
{
    int32_t value = 0;
    if (!m_pNoPrefAC || !AreaCodeValue(area, &value))
        return false;
    for (int i = 0; i < m_nNoPrefAC; ++i)
        if (m_pNoPrefAC[i] == value)
            return true;
    return false;
}

bool CLocationRules::MatchesTollList(const char* local) const
{
    const char* entry = m_szTollList;
    while (*entry) {
        size_t length = strcspn(entry, ",");
        if (length > 0 && strncmp(local, entry, length) == 0)
            return true;
        entry += length;
        if (*entry == ',')
            ++entry;
    }
    return false;
}

void CLocationRules::ComposeResult(const char* accessCode, const char* rule, const char* country, const char* area,
                                   const char* local)
{
    BoundedWriter result(m_szResult, sizeof m_szResult);
    if (m_dwFlags & kDialCallWaitingCodeFirst)
        result.Append(m_szDisableCallWaiting);
    result.Append(accessCode);
    if (rule[0] == '\0')
        rule = "G";
    for (; *rule; ++rule) {
        switch (*rule) {
        case 'E':
            result.Append(country);
            break;
        case 'F':
        case 'I':
            result.Append(area);
            break;
        case 'G':
            result.Append(local);
            break;
        default:
            if (!IsRuleBlank(*rule))
                result.Append(*rule);
            break;
        }
    }
}
