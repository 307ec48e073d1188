// The header macros the user writes become the engine's codes; nothing else changes.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "send/header_macros.h"

namespace {
std::string Translated(const std::string& text)
{
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    buffer.push_back('!');  // a byte past the terminator that must survive
    TranslateHeaderMacros(buffer.data());
    EXPECT_EQ('!', buffer.back()) << text;
    return buffer.data();
}
}  // namespace

TEST(HeaderMacrosTest, EveryMacroBecomesItsEngineCode)
{
    EXPECT_EQ("%p %c %h %x %m %s %n %f %y %r %t %d", Translated("@N @P @E @X @Y @S @G @F @C @R @T @D"));
    EXPECT_EQ("%p%p%r", Translated("@N@N@R"));
}

TEST(HeaderMacrosTest, AnythingElseStaysAsItIs)
{
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"", ""},
        {"@", "@"},                      // an "@" at the very end
        {"@@", "@@"},
        {"@x @@N", "@x @%p"},  // lower case is no macro; the first "@" of "@@" stays
        {"@Z @A @1 @ N", "@Z @A @1 @ N"},
        {"%p 100% @%", "%p 100% @%"},
        {"@@@S", "@@%s"},
        {"\xC0@N\xFF", "\xC0%p\xFF"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, Translated(c.text)) << c.text;
    TranslateHeaderMacros(nullptr);  // tolerated
}

TEST(HeaderMacrosTest, OnlyTheTwelveUpperCaseLettersAreMacros)
{
    std::string letters;
    for (int c = 1; c < 256; ++c)
        if (EngineCodeForMacro(static_cast<char>(c)))
            letters += static_cast<char>(c);
    EXPECT_EQ("CDEFGNPRSTXY", letters);
    EXPECT_EQ(0, EngineCodeForMacro('\0'));
}
