// Phonebook names become file names: only plain letters and digits pass, and every name gets
// a file of its own.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "phonebook/book_name.h"

TEST(BookNameTest, OnlyPlainLettersAndDigitsPassAndNoNameOfTheMasterListOrADevice)
{
    const std::string allowed[] = {"Sales2", "0", "azAZ09", std::string(20, 'x'), "QOmaster2", "CONS", "NULL",
                                   "COM0", "COM10", "LPT", "Console"};
    for (const std::string& name : allowed)
        EXPECT_TRUE(IsValidBookName(name)) << name;
    // The neighbours of the allowed ranges in ASCII, letters of other alphabets in any code page.
    std::vector<std::string> refused = {"", "Sales 2", " Sales", "Sales.ini", "..\\Main", std::string("ab\0cd", 5),
                                        "Caf\xe9", "\xc3\xa9t\xc3\xa9", "\x80", "\xff", "QOmaster", "qomaster",
                                        "CON", "con", "Nul", "aux", "PRN", "COM1", "com9", "LPT1", "lpt9"};
    for (char c : std::string("/:@[`{_"))
        refused.push_back(std::string("a") + c);
    for (const std::string& name : refused)
        EXPECT_FALSE(IsValidBookName(name)) << name;
}

TEST(BookNameTest, EveryNameGetsAFileOfItsOwnBesideTheModule)
{
    const struct { const char* name; const char* stem; } cases[] = {
        {"Main", "Main"},
        {"..\\evil", "..%5Cevil"},
        {"a_b", "a_b"},
        {"a%3Ab", "a%253Ab"},
        {"a*b?c\"d<e>f|g", "a%2Ab%3Fc%22d%3Ce%3Ef%7Cg"},
        {"tab\there", "tab%09here"},
        {"CON", "%43ON"},
        {"con.txt", "%63on.txt"},
        {"Nul ", "%4Eul "},
        {"CONS", "CONS"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.stem, ProfileFileStem(c.name)) << c.name;
}
