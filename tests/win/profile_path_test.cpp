// Phonebook files always lie beside the module, whatever a name read from a file holds.
#include "phonebook/profile_file.h"
#include "test_support.h"

TEST(ProfilePathTest, NamesCannotLeadOutOfTheModulesFolder)
{
    std::string main = GetProfilePath("Main");
    size_t slash = main.find_last_of('\\');
    ASSERT_NE(std::string::npos, slash);
    std::string folder = main.substr(0, slash + 1);
    EXPECT_EQ(folder + "Main.ini", main);
    EXPECT_EQ(folder + "..%5Cevil.ini", GetProfilePath("..\\evil"));
    EXPECT_EQ(folder + "C%3A%5CWindows%5Cwin.ini", GetProfilePath("C:\\Windows\\win"));
}
