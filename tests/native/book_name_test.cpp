// Phonebook names become file names: only plain letters and digits pass.
#include <algorithm>
#include <string>
#include <vector>

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

TEST(BookNameTest, NamesOfTheMasterListAndOfDevicesAreRefused)
{
    const char* const refused[] = {"QOmaster", "qomaster", "QOMASTER", "CON", "con", "Nul", "aux", "PRN",
                                   "COM1",     "com9",     "LPT1",     "lpt9"};
    for (const char* name : refused)
        EXPECT_FALSE(IsValidBookName(name)) << name;
    // Their neighbours are plain names.
    const char* const allowed[] = {"QOmaster2", "CONS", "NULL", "COM0", "COM10", "LPT", "Console"};
    for (const char* name : allowed)
        EXPECT_TRUE(IsValidBookName(name)) << name;
}

TEST(BookNameTest, EveryNameGetsAFileOfItsOwnBesideTheModule)
{
    struct Case {
        const char* name;
        const char* stem;
    };
    const Case cases[] = {
        {"Main", "Main"},
        {"..\\evil", "..%5Cevil"},
        {"C:\\Windows\\win", "C%3A%5CWindows%5Cwin"},
        {"a/b", "a%2Fb"},
        {"a_b", "a_b"},
        {"a:b", "a%3Ab"},
        {"a%3Ab", "a%253Ab"},
        {"a*b?c\"d<e>f|g", "a%2Ab%3Fc%22d%3Ce%3Ef%7Cg"},
        {"tab\there", "tab%09here"},
        {"CON", "%43ON"},
        {"con.txt", "%63on.txt"},
        {"Nul ", "%4Eul "},
        {"COM1", "%43OM1"},
        {"CONS", "CONS"},
    };
    std::vector<std::string> stems;
    for (const Case& c : cases) {
        EXPECT_EQ(c.stem, ProfileFileStem(c.name)) << c.name;
        stems.push_back(ProfileFileStem(c.name));
    }
    // Names that used to meet in one file after their characters were replaced do not.
    std::sort(stems.begin(), stems.end());
    EXPECT_EQ(stems.end(), std::adjacent_find(stems.begin(), stems.end()));
}
