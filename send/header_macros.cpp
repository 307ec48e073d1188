#include "send/header_macros.h"

namespace {
struct MacroCode {
    char macro;
    char code;
};

constexpr MacroCode kMacroCodes[] = {
    {'N', 'p'},  // total pages
    {'P', 'c'},  // current page
    {'E', 'h'},  // sender phone
    {'X', 'x'},  // sender fax
    {'Y', 'm'},  // sender company
    {'S', 's'},  // sender name
    {'G', 'n'},  // recipient phone
    {'F', 'f'},  // recipient fax
    {'C', 'y'},  // recipient company
    {'R', 'r'},  // recipient name
    {'T', 't'},  // time
    {'D', 'd'},  // date
};
}  // namespace

char EngineCodeForMacro(char letter)
{
    for (const MacroCode& entry : kMacroCodes)
        if (entry.macro == letter)
            return entry.code;
    return 0;
}

void TranslateHeaderMacros(char* text)
{
    if (!text)
        return;
    for (char* at = text; *at;) {
        char code = at[0] == '@' ? EngineCodeForMacro(at[1]) : 0;
        if (code) {
            at[0] = '%';
            at[1] = code;
            at += 2;
        } else {
            ++at;
        }
    }
}
