#pragma once
// A telephony location's codes and dialing rules, and the translation of a fax number as the
// user stored it into the string the modem dials. Needs no Windows: whoever loads the
// location fills the fields and sets m_bLoaded (CDialingRules reads the system's location).
#include <cstddef>
#include <cstdint>

// Sizes of the parts a number is split into, terminator included.
constexpr size_t kCountryCodeSize = 4;    // at most three digits after "+"
constexpr size_t kNumberPartSize = 128;   // area code or local number, at most 127 digits
constexpr int kMaxNumberPartDigits = 127;
// Outside country code 1, the country code and every digit after it fit in 15 digits.
constexpr size_t kMaxInternationalDigits = 15;

// Flags of a location.
constexpr uint32_t kDialCallWaitingCodeFirst = 0x4;
constexpr uint32_t kAlwaysDialAreaCode = 0x8;

// Takes the run of digits that ends at the cursor (or at the nearest digit before it), at
// most maxDigits of it, into group in their order. The cursor is an offset from start; it is
// left on the character before the digits taken (-1 when they began at start). A run longer
// than maxDigits is split: its front part becomes the next group. Returns the number of
// digits taken; 0 when there is no digit left at or after start.
int TakeDigitGroup(const char* start, ptrdiff_t* cursor, char* group, int maxDigits);

class CLocationRules {
public:
    CLocationRules();
    ~CLocationRules();
    CLocationRules(const CLocationRules&) = delete;
    CLocationRules& operator=(const CLocationRules&) = delete;

    // Fills m_szResult with the dial string for the number and returns 1, or returns 0 when
    // the number must be dialed as entered (no location loaded; m_szResult then holds a copy)
    // or there is nothing to dial (m_szResult empty). A number that begins with "~" is dialed
    // as written after it. Results are cut to fit m_szResult.
    int TranslateNumber(const char* number);

    // Splits the number into the country code written after "+" (kCountryCodeSize), the
    // area code and the local number (kNumberPartSize each). 0 when it cannot be split.
    int SplitNumber(const char* number, char* countryOut, char* areaOut, char* localOut) const;
    // The country code written after the first "+" (empty when there is none) and the point
    // where the split goes on.
    const char* ParseCountryCode(const char* number, char* countryOut) const;
    // Seven digits of local number and an optional three-digit area code, from the end back
    // to start.
    int SplitNorthAmerican(const char* start, char* areaOut, char* localOut) const;
    // The first digit group is the area code, all later digits the local number; fails when
    // the country code's length and the digits together exceed 15.
    int SplitInternational(const char* start, size_t countryCodeLength, char* areaOut, char* localOut) const;
    // The number's dialable characters in their order, at most maxCharacters of them.
    void FilterDialable(const char* number, char* out, size_t maxCharacters) const;
    bool IsDialableChar(char c) const;

    // Splits a comma-separated line in place: call with the line for its first field, then
    // with null for each further field. Commas inside double quotes do not separate; a field
    // loses its leading blanks, a leading quote and a closing quote. After the last field
    // every call gives an empty text.
    const char* NextField(char* line);

    // Stores the fields of a TELEPHON.INI location line: outside access, long-distance access,
    // area code, country number and call-waiting code. A field longer than its buffer is
    // refused (the field keeps what it held); a country number that is empty or does not fit
    // refuses the whole location. Returns 0 then.
    int StoreLocationLine(char* line);
    // Stores the same-area, long-distance and international rules of a TELEPHON.INI country
    // line; a rule longer than its buffer is refused.
    void StoreCountryLine(char* line);
    // The own country code as decimal text; a code that does not fit counts as 1.
    void SetCountryCode(long code);

    char m_szResult[80];
    int m_bLoaded;
    int m_nCountryId;
    uint32_t m_dwFlags;
    int32_t* m_pNoPrefAC;
    int m_nNoPrefAC;
    char m_szAreaCode[8];
    char m_szCountryCode[4];
    char m_szDisableCallWaiting[32];
    char m_szLongDistanceAccess[32];
    char m_szOutsideAccess[32];
    char m_szInternationalRule[32];
    char m_szLongDistanceRule[32];
    char m_szSameAreaRule[32];
    char m_szTollList[64];
    char* m_pszField;

protected:
    static bool IsEscapedNumber(const char* number) { return number && number[0] == '~'; }

private:
    enum class CallCase { Local, LongDistance, International };
    CallCase ClassifyCall(const char* country, const char* area) const;
    bool IsNoPrefixAreaCode(const char* area) const;
    bool MatchesTollList(const char* local) const;
    void ComposeResult(const char* accessCode, const char* rule, const char* country, const char* area,
                       const char* local);
};
