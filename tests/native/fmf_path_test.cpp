// The name of the engine's copy of a document.
#include <string>

#include <gtest/gtest.h>

#include "send/fmf_path.h"

TEST(FmfPathTest, ExtensionOfTheFileNameBecomesFmf)
{
    struct Case {
        std::string tif;
        std::string fmf;
    };
    const Case cases[] = {
        {"C:\\My Fax\\Fax Outbox\\abc123.tif", "C:\\My Fax\\Fax Outbox\\abc123.fmf"},
        {"doc.tiff", "doc.fmf"},
        {"doc.", "doc.fmf"},
        {"archive.v2.tif", "archive.v2.fmf"},
        {"C:\\fax.d\\doc", "C:\\fax.d\\doc.fmf"},  // a dot in a folder name is no extension
        {"doc", "doc.fmf"},
        {"", ".fmf"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.fmf, FmfPathFor(c.tif)) << c.tif;
}

TEST(FmfPathTest, PathsStayWithinTheLongestPath)
{
    // A path of the longest length keeps its length.
    std::string longest = "C:\\" + std::string(kMaxFaxPathLength - 7, 'a') + ".tif";
    ASSERT_EQ(kMaxFaxPathLength, longest.size());
    std::string fmf = FmfPathFor(longest);
    EXPECT_EQ(kMaxFaxPathLength, fmf.size());
    EXPECT_EQ(".fmf", fmf.substr(fmf.size() - 4));

    // Anything past the longest length is cut before the extension is replaced.
    EXPECT_EQ(fmf, FmfPathFor(longest + std::string(5000, 'b')));

    // A name that would grow past it has no fmf name at all.
    std::string growing = "C:\\" + std::string(kMaxFaxPathLength - 5, 'a') + ".t";
    ASSERT_EQ(kMaxFaxPathLength, growing.size());
    EXPECT_EQ("", FmfPathFor(growing));
}
