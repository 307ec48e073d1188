// Arbitrary fax numbers against arbitrary locations. Whatever the number and the location's
// texts, the dial string stays terminated inside its 80 bytes and is made only of characters
// that came from the number, the location's codes or its rules; the field reader never
// hands out text from outside its line.
//
// Input: lines separated by '\n': the number, then area code, country code, call-waiting
// code, outside access, long-distance access, international, long-distance and same-area
// rules, toll list, no-prefix area codes (decimal, comma-separated), flags (decimal), a
// TELEPHON.INI location line and a country line.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "dialing/bounded_text.h"
#include "dialing/location_rules.h"

namespace {
std::vector<std::string> SplitInput(const uint8_t* data, size_t size)
{
    std::vector<std::string> parts(14);
    size_t part = 0;
    for (size_t i = 0; i < size; ++i) {
        char c = static_cast<char>(data[i]);
        if (c == '\n' && part + 1 < parts.size()) {
            ++part;
            continue;
        }
        if (c != '\0')  // texts from the registry and profile files end at their terminator
            parts[part] += c;
    }
    return parts;
}

void Check(bool condition)
{
    if (!condition)
        abort();
}

void CheckResult(const CLocationRules& rules, int translated, const std::string& allowed)
{
    const void* end = memchr(rules.m_szResult, '\0', sizeof rules.m_szResult);
    Check(end != nullptr);
    for (const char* c = rules.m_szResult; *c; ++c)
        Check(allowed.find(*c) != std::string::npos);
    Check(translated == 0 || translated == 1);
}

// Decimal, comma-separated, as many as the registry value could hold.
void FillNoPrefixAreaCodes(CLocationRules& rules, const std::string& text)
{
    std::vector<int32_t> codes;
    for (const char* p = text.c_str(); *p && codes.size() < 64; ++p) {
        codes.push_back(static_cast<int32_t>(strtol(p, nullptr, 10) & 0x7fffffff));
        p = strchr(p, ',');
        if (!p)
            break;
    }
    if (codes.empty())
        return;
    rules.m_pNoPrefAC = new int32_t[codes.size()];
    memcpy(rules.m_pNoPrefAC, codes.data(), codes.size() * sizeof(int32_t));
    rules.m_nNoPrefAC = static_cast<int>(codes.size());
}

void CheckFieldReader(const std::string& text)
{
    std::vector<char> line(text.begin(), text.end());
    line.push_back('\0');
    CLocationRules rules;
    const char* begin = line.data();
    const char* end = line.data() + line.size();
    const char* field = rules.NextField(line.data());
    for (size_t i = 0; i <= line.size() + 1; ++i) {
        bool inLine = field >= begin && field < end;
        Check(inLine || field[0] == '\0');
        if (inLine)
            Check(memchr(field, '\0', static_cast<size_t>(end - field)) != nullptr);
        field = rules.NextField(nullptr);
    }
    Check(rules.m_pszField == nullptr);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<std::string> parts = SplitInput(data, size);
    const std::string& number = parts[0];
    unsigned long flags = strtoul(parts[11].c_str(), nullptr, 10);

    // A location handed in field by field, the way the registry fills it.
    CLocationRules rules;
    rules.m_bLoaded = (flags & 0x100) ? 0 : 1;
    rules.m_dwFlags = static_cast<uint32_t>(flags);
    CopyTextCut(rules.m_szAreaCode, sizeof rules.m_szAreaCode, parts[1].c_str());
    CopyTextCut(rules.m_szCountryCode, sizeof rules.m_szCountryCode, parts[2].c_str());
    CopyTextCut(rules.m_szDisableCallWaiting, sizeof rules.m_szDisableCallWaiting, parts[3].c_str());
    CopyTextCut(rules.m_szOutsideAccess, sizeof rules.m_szOutsideAccess, parts[4].c_str());
    CopyTextCut(rules.m_szLongDistanceAccess, sizeof rules.m_szLongDistanceAccess, parts[5].c_str());
    CopyTextCut(rules.m_szInternationalRule, sizeof rules.m_szInternationalRule, parts[6].c_str());
    CopyTextCut(rules.m_szLongDistanceRule, sizeof rules.m_szLongDistanceRule, parts[7].c_str());
    CopyTextCut(rules.m_szSameAreaRule, sizeof rules.m_szSameAreaRule, parts[8].c_str());
    CopyTextCut(rules.m_szTollList, sizeof rules.m_szTollList, parts[9].c_str());
    FillNoPrefixAreaCodes(rules, parts[10]);
    std::string allowed = number;
    for (size_t i = 1; i <= 9; ++i)
        allowed += parts[i];
    CheckResult(rules, rules.TranslateNumber(number.c_str()), allowed);
    // A second translation by the same object starts afresh.
    CheckResult(rules, rules.TranslateNumber(parts[9].c_str()), allowed);

    // A location read from TELEPHON.INI lines, with the default rules where a field is refused.
    CLocationRules fromLines;
    std::vector<char> locationLine(parts[12].begin(), parts[12].end());
    locationLine.push_back('\0');
    std::vector<char> countryLine(parts[13].begin(), parts[13].end());
    countryLine.push_back('\0');
    fromLines.m_bLoaded = fromLines.StoreLocationLine(locationLine.data());
    fromLines.StoreCountryLine(countryLine.data());
    std::string allowedFromLines = number + parts[12] + parts[13] + "011EFG 1FG";
    CheckResult(fromLines, fromLines.TranslateNumber(number.c_str()), allowedFromLines);
    Check(memchr(fromLines.m_szCountryCode, '\0', sizeof fromLines.m_szCountryCode) != nullptr);
    Check(memchr(fromLines.m_szAreaCode, '\0', sizeof fromLines.m_szAreaCode) != nullptr);

    CheckFieldReader(parts[12]);
    return 0;
}
