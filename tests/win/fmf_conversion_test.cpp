// Making the engine's fmf files from tif files on disk, and the messages when that fails.
#include <string>

#include "framework/module_state.h"
#include "send/fmf_conversion.h"
#include "log_test_support.h"

using namespace testsupport;

TEST(FmfConversionTest, LittleEndianFilesGetTheEnginesMarkOthersAreCopiedAndFailuresNamed)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    TempFolder folder;
    const std::string tif = folder.File("fax 7.tif"), fmf = folder.File("fax 7.fmf");
    const std::string little = std::string("II*\0\x08\0\0\0", 8) + "image data";
    enum Blocker { kNone, kOlderCopy, kMissingTif, kFmfFolder };
    const struct {
        std::string tifBytes;
        Blocker blocker;
        std::string fmfAfter;  // empty: no fmf file
        std::string message;   // empty: success without a message
    } cases[] = {
        {little, kOlderCopy, "FF" + little.substr(2), ""},
        {std::string("MM\0*\0\0\0\x08", 8) + "image data", kNone, std::string("MM\0*\0\0\0\x08", 8) + "image data", ""},
        {"FF*", kNone, "FF*", ""},
        {"", kMissingTif, "", "Cannot open fax file " + tif + "."},
        {little, kFmfFolder, "", "Cannot open fax file " + tif + "."},
        {"I", kNone, "I", "Cannot read fax file " + fmf + "."},
    };
    for (const auto& c : cases) {
        DeleteFileA(tif.c_str());
        DeleteFileA(fmf.c_str());
        ASSERT_TRUE(c.blocker == kMissingTif || WriteFileBytes(tif, c.tifBytes));
        ASSERT_TRUE(c.blocker != kOlderCopy || WriteFileBytes(fmf, "an older copy, longer than the new"));
        ASSERT_TRUE(c.blocker != kFmfFolder || CreateDirectoryA(fmf.c_str(), nullptr));
        // Both forms, the second handing back the fmf path.
        for (bool withPath : {false, true}) {
            logtest::BoxAnswerer answerer(IDOK);
            char* fmfPath = reinterpret_cast<char*>(1);
            const BOOL made = withPath ? ConvertTifToFmf(tif.c_str(), &fmfPath) : ConvertTifToFmf(tif.c_str());
            EXPECT_EQ(c.message.empty(), made != FALSE) << c.tifBytes << " " << c.blocker;
            EXPECT_EQ(c.message, answerer.Boxes().empty() ? "" : answerer.Boxes()[0].text)
                << c.tifBytes << " " << c.blocker;
            if (withPath) {
                EXPECT_EQ(c.message.empty() ? fmf : "", fmfPath ? std::string(fmfPath) : "");
                delete[] fmfPath;
            }
        }
        EXPECT_EQ(c.fmfAfter, PathExists(fmf) ? ReadFileBytes(fmf) : "") << c.tifBytes << " " << c.blocker;
        // The tif file stays as it was.
        EXPECT_EQ(c.blocker == kMissingTif ? "" : c.tifBytes, ReadFileBytes(tif));
        RemoveDirectoryA(fmf.c_str());
    }
}
