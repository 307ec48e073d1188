// The header macros the user writes become the engine's codes; nothing else changes.
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "send/header_macros.h"

TEST(HeaderMacrosTest, OnlyTheTwelveUpperCaseMacrosBecomeEngineCodes)
{
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"@N @P @E @X @Y @S @G @F @C @R @T @D", "%p %c %h %x %m %s %n %f %y %r %t %d"},
        {"@N@N@R", "%p%p%r"},
        {"", ""},
        {"@", "@"},  // an "@" at the very end
        {"@x @@N", "@x @%p"},  // lower case is no macro; the first "@" of "@@" stays
        {"@Z @A @1 @ N", "@Z @A @1 @ N"},
        {"\xC0@N\xFF", "\xC0%p\xFF"},
    };
    for (const auto& c : cases) {
        std::vector<char> buffer(c.text, c.text + strlen(c.text) + 1);
        buffer.push_back('!');  // a byte past the terminator that must survive
        TranslateHeaderMacros(buffer.data());
        EXPECT_EQ(c.expected, std::string(buffer.data())) << c.text;
        EXPECT_EQ('!', buffer.back()) << c.text;
    }
    TranslateHeaderMacros(nullptr);  // tolerated
}
