// The name of the engine's copy of a document.
#include <string>

#include <gtest/gtest.h>

#include "send/fmf_path.h"

TEST(FmfPathTest, ExtensionOfTheFileNameBecomesFmfWithinTheLongestPath)
{
    // A path of the longest length keeps its length; anything past it is cut before the
    // extension is replaced; a name that would grow past it has no fmf name at all.
    const std::string longest = "C:\\" + std::string(kMaxFaxPathLength - 7, 'a') + ".tif";
    const std::string longestFmf = longest.substr(0, longest.size() - 3) + "fmf";
    const struct {
        std::string tif, fmf;
    } cases[] = {
        {"C:\\My Fax\\Fax Outbox\\abc123.tif", "C:\\My Fax\\Fax Outbox\\abc123.fmf"},
        {"doc.tiff", "doc.fmf"},
        {"C:\\fax.d\\doc", "C:\\fax.d\\doc.fmf"},  // a dot in a folder name is no extension
        {"doc", "doc.fmf"},
        {longest, longestFmf},
        {longest + std::string(5000, 'b'), longestFmf},
        {"C:\\" + std::string(kMaxFaxPathLength - 5, 'a') + ".t", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.fmf, FmfPathFor(c.tif)) << c.tif.size();
}
