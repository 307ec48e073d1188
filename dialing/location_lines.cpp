// Reading the comma-separated lines of TELEPHON.INI into the location's fields.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "dialing/bounded_text.h"
#include "dialing/location_rules.h"

namespace {
bool IsFieldBlank(char c) { return c == ' ' || c == '\t'; }

const int kLocationFields = 12;
const int kCountryFields = 6;

// Splits the whole line at once: fields[1] to fields[count] (fields[0] is unused).
void SplitLine(CLocationRules* rules, char* line, const char** fields, int count)
{
    fields[0] = "";
    fields[1] = rules->NextField(line);
    for (int i = 2; i <= count; ++i)
        fields[i] = rules->NextField(nullptr);
}
}  // namespace

const char* CLocationRules::NextField(char* line)
{
    if (line)
        m_pszField = line;
    if (!m_pszField)
        return "";

    char* field = m_pszField;
    char* end = field;
    bool quoted = false;
    for (; *end; ++end) {
        if (*end == '"')
            quoted = !quoted;
        else if (*end == ',' && !quoted)
            break;
    }
    if (*end == ',') {
        *end = '\0';
        m_pszField = end + 1;
    } else {
        m_pszField = nullptr;
    }

    while (IsFieldBlank(*field))
        ++field;
    if (*field == '"')
        ++field;
    char* last = field + strlen(field);
    while (last > field && IsFieldBlank(last[-1]))
        --last;
    if (last > field && last[-1] == '"')
        last[-1] = '\0';
    return field;
}

int CLocationRules::StoreLocationLine(char* line)
{
    const char* fields[kLocationFields + 1];
    SplitLine(this, line, fields, kLocationFields);

    // Overlong fields are refused rather than cut: a cut code would dial a wrong number.
    // Without a country number that fits, the location cannot be dialed from at all.
    const char* country = fields[6];
    if (country[0] == '\0' || strlen(country) >= sizeof m_szCountryCode)
        return 0;
    CopyTextIfFits(m_szCountryCode, sizeof m_szCountryCode, country);
    m_nCountryId = atoi(country);
    CopyTextIfFits(m_szOutsideAccess, sizeof m_szOutsideAccess, fields[3]);
    CopyTextIfFits(m_szLongDistanceAccess, sizeof m_szLongDistanceAccess, fields[4]);
    CopyTextIfFits(m_szAreaCode, sizeof m_szAreaCode, fields[5]);
    if (CopyTextIfFits(m_szDisableCallWaiting, sizeof m_szDisableCallWaiting, fields[12]) && fields[12][0])
        m_dwFlags |= kDialCallWaitingCodeFirst;
    return 1;
}

void CLocationRules::StoreCountryLine(char* line)
{
    const char* fields[kCountryFields + 1];
    SplitLine(this, line, fields, kCountryFields);
    CopyTextIfFits(m_szSameAreaRule, sizeof m_szSameAreaRule, fields[4]);
    CopyTextIfFits(m_szLongDistanceRule, sizeof m_szLongDistanceRule, fields[5]);
    CopyTextIfFits(m_szInternationalRule, sizeof m_szInternationalRule, fields[6]);
}

void CLocationRules::SetCountryCode(long code)
{
    char text[24];
    snprintf(text, sizeof text, "%ld", code);
    if (!CopyTextIfFits(m_szCountryCode, sizeof m_szCountryCode, text))
        CopyTextCut(m_szCountryCode, sizeof m_szCountryCode, "1");
}
