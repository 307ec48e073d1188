// Making the engine's fmf files from tif files on disk, and the messages when that fails.
#include <string>

#include "framework/module_state.h"
#include "send/fmf_conversion.h"
#include "test_support.h"

using namespace testsupport;

namespace {
const std::string kLittleEndian = std::string("II*\0\x08\0\0\0", 8) + "image data";
const std::string kBigEndian = std::string("MM\0*\0\0\0\x08", 8) + "image data";

class FmfConversionTest : public testing::Test {
protected:
    // Converts, answering a message box with OK; m_message is its text, empty when none showed.
    BOOL Convert(const std::string& tif, char** fmfPath = nullptr)
    {
        AFX_MANAGE_STATE(AfxGetStaticModuleState());
        m_message.clear();
        m_okOnly = false;
        OnNextActivation watch(
            [](HWND box, void* context) {
                auto* test = static_cast<FmfConversionTest*>(context);
                test->m_message = MessageBoxText(box);
                HWND cancel = GetDlgItem(box, IDCANCEL);
                bool cancelShown = cancel && (GetWindowLongA(cancel, GWL_STYLE) & WS_VISIBLE);
                test->m_okOnly = GetDlgItem(box, IDOK) && !cancelShown;
                PostMessageA(box, WM_COMMAND, IDOK, 0);
            },
            this);
        return fmfPath ? ConvertTifToFmf(tif.c_str(), fmfPath) : ConvertTifToFmf(tif.c_str());
    }

    TempFolder m_folder;
    std::string m_message;
    bool m_okOnly = false;
};
}  // namespace

TEST_F(FmfConversionTest, LittleEndianFilesGetTheEnginesMarkOthersAreCopiedUnchanged)
{
    const std::string tif = m_folder.File("fax 7.tif");
    ASSERT_TRUE(WriteFileBytes(tif, kLittleEndian));
    ASSERT_TRUE(WriteFileBytes(m_folder.File("fax 7.fmf"), "an older copy, longer than the new one"));
    EXPECT_EQ(TRUE, Convert(tif));
    EXPECT_EQ("", m_message);
    EXPECT_EQ("FF" + kLittleEndian.substr(2), ReadFileBytes(m_folder.File("fax 7.fmf")));
    EXPECT_EQ(kLittleEndian, ReadFileBytes(tif)) << "the tif file stays as it was";

    // The second form hands back the path.
    char* fmfPath = reinterpret_cast<char*>(1);
    ASSERT_EQ(TRUE, Convert(tif, &fmfPath));
    ASSERT_NE(nullptr, fmfPath);
    EXPECT_EQ(m_folder.File("fax 7.fmf"), fmfPath);
    delete[] fmfPath;

    for (const std::string& bytes : {kBigEndian, std::string("FF*"), std::string("Ix"), std::string("\0\0\0\0", 4)}) {
        ASSERT_TRUE(WriteFileBytes(tif, bytes));
        EXPECT_EQ(TRUE, Convert(tif));
        EXPECT_EQ("", m_message);
        EXPECT_EQ(bytes, ReadFileBytes(m_folder.File("fax 7.fmf")));
    }
}

TEST_F(FmfConversionTest, MissingTifIsNamedAndNoPathIsHandedBack)
{
    const std::string tif = m_folder.File("missing.tif");
    EXPECT_EQ(FALSE, Convert(tif));
    EXPECT_EQ("Cannot open fax file " + tif + ".", m_message);
    EXPECT_TRUE(m_okOnly);
    EXPECT_FALSE(PathExists(m_folder.File("missing.fmf")));

    char* fmfPath = reinterpret_cast<char*>(1);
    EXPECT_EQ(FALSE, Convert(tif, &fmfPath));
    EXPECT_EQ(nullptr, fmfPath);
    EXPECT_EQ("Cannot open fax file " + tif + ".", m_message);

    EXPECT_EQ(FALSE, Convert(""));
    EXPECT_EQ("Cannot open fax file .", m_message);
}

TEST_F(FmfConversionTest, FmfThatCannotBeReplacedNamesTheTifFile)
{
    const std::string tif = m_folder.File("doc.tif");
    const std::string fmf = m_folder.File("doc.fmf");
    ASSERT_TRUE(WriteFileBytes(tif, kLittleEndian));

    // Another program holds the old fmf file open and shares it with nobody.
    ASSERT_TRUE(WriteFileBytes(fmf, "kept"));
    HANDLE held = CreateFileA(fmf.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_EQ(FALSE, Convert(tif));
    EXPECT_EQ("Cannot open fax file " + tif + ".", m_message);
    EXPECT_TRUE(m_okOnly);
    CloseHandle(held);
    EXPECT_EQ("kept", ReadFileBytes(fmf));
    ASSERT_TRUE(DeleteFileA(fmf.c_str()));

    // A folder of that name stands in the way.
    ASSERT_TRUE(CreateDirectoryA(fmf.c_str(), nullptr));
    EXPECT_EQ(FALSE, Convert(tif));
    EXPECT_EQ("Cannot open fax file " + tif + ".", m_message);
    EXPECT_TRUE(GetFileAttributesA(fmf.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
}

TEST_F(FmfConversionTest, ShortFileCannotBeRead)
{
    for (const std::string& bytes : {std::string(), std::string("I")}) {
        const std::string tif = m_folder.File("short.tif");
        ASSERT_TRUE(WriteFileBytes(tif, bytes));
        EXPECT_EQ(FALSE, Convert(tif));
        EXPECT_EQ("Cannot read fax file " + m_folder.File("short.fmf") + ".", m_message);
        EXPECT_TRUE(m_okOnly);
    }
}
