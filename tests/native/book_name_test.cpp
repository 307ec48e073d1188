// Phonebook names become file names: only plain letters and digits pass.
#include <string>

#include <gtest/gtest.h>

#include "phonebook/book_name.h"

TEST(BookNameTest, OnlyPlainLettersAndDigitsPass)
{
    EXPECT_TRUE(IsValidBookName("Sales2"));
    EXPECT_TRUE(IsValidBookName("0"));
    EXPECT_TRUE(IsValidBookName("azAZ09"));
    EXPECT_TRUE(IsValidBookName(std::string(20, 'x')));

    EXPECT_FALSE(IsValidBookName(""));
    EXPECT_FALSE(IsValidBookName("Sales 2"));
    EXPECT_FALSE(IsValidBookName(" Sales"));
    EXPECT_FALSE(IsValidBookName("Sales.ini"));
    EXPECT_FALSE(IsValidBookName("..\\Main"));
    EXPECT_FALSE(IsValidBookName("a_b"));
    EXPECT_FALSE(IsValidBookName(std::string("ab\0cd", 5)));
    // The neighbours of the allowed ranges in ASCII.
    for (char c : std::string("/:@[`{"))
        EXPECT_FALSE(IsValidBookName(std::string("a") + c)) << c;
    // Letters of other alphabets, in any code page.
    EXPECT_FALSE(IsValidBookName("Caf\xe9"));
    EXPECT_FALSE(IsValidBookName("\xc3\xa9t\xc3\xa9"));
    EXPECT_FALSE(IsValidBookName("\x80"));
    EXPECT_FALSE(IsValidBookName("\xff"));
}
