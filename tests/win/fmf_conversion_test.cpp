// Making the engine's fmf files from tif files on disk, and the messages when that fails.
#include <string>

#include "framework/module_state.h"
#include "send/fmf_conversion.h"
#include "test_support.h"

using namespace testsupport;

namespace {
const std::string kLittleEndian = std::string("II*\0\x08\0\0\0", 8) + "image data";
const std::string kBigEndian = std::string("MM\0*\0\0\0\x08", 8) + "image data";

// What a message box showed, answered with its OK button.
struct ShownMessage {
    std::string text;
    bool okOnly = false;
};

void AnswerOk(HWND box, void* context)
{
    auto* shown = static_cast<ShownMessage*>(context);
    shown->text = MessageBoxText(box);
    HWND cancel = GetDlgItem(box, IDCANCEL);
    bool cancelShown = cancel && (GetWindowLongA(cancel, GWL_STYLE) & WS_VISIBLE);
    shown->okOnly = GetDlgItem(box, IDOK) != nullptr && !cancelShown;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

class FmfConversionTest : public testing::Test {
protected:
    // Converts with a watch for the message box; returns the result of the conversion.
    BOOL Convert(const std::string& tif, ShownMessage* shown, char** fmfPath = nullptr, bool secondForm = false)
    {
        AFX_MANAGE_STATE(AfxGetStaticModuleState());
        OnNextActivation watch(&AnswerOk, shown);
        BOOL result = secondForm ? ConvertTifToFmf(tif.c_str(), fmfPath) : ConvertTifToFmf(tif.c_str());
        m_messageShown = watch.Fired();
        return result;
    }

    TempFolder m_folder;
    bool m_messageShown = false;
};
}  // namespace

TEST_F(FmfConversionTest, ByteOrderMarkOfLittleEndianFilesBecomesFF)
{
    const std::string tif = m_folder.File("abc123.tif");
    ASSERT_TRUE(WriteFileBytes(tif, kLittleEndian));
    ASSERT_TRUE(WriteFileBytes(m_folder.File("abc123.fmf"), "an older copy, longer than the new one"));
    ShownMessage shown;
    EXPECT_EQ(TRUE, Convert(tif, &shown));
    EXPECT_FALSE(m_messageShown);
    EXPECT_EQ("FF" + kLittleEndian.substr(2), ReadFileBytes(m_folder.File("abc123.fmf")));
    EXPECT_EQ(kLittleEndian, ReadFileBytes(tif)) << "the tif file stays as it was";
}

TEST_F(FmfConversionTest, OtherFilesAreCopiedUnchanged)
{
    const std::string cases[] = {kBigEndian, "FF*", "Ix", std::string("\0\0\0\0", 4)};
    for (const std::string& bytes : cases) {
        const std::string tif = m_folder.File("doc.tif");
        ASSERT_TRUE(WriteFileBytes(tif, bytes));
        ShownMessage shown;
        EXPECT_EQ(TRUE, Convert(tif, &shown));
        EXPECT_FALSE(m_messageShown);
        EXPECT_EQ(bytes, ReadFileBytes(m_folder.File("doc.fmf")));
    }
}

TEST_F(FmfConversionTest, SecondFormHandsBackThePath)
{
    const std::string tif = m_folder.File("fax 7.tif");
    ASSERT_TRUE(WriteFileBytes(tif, kLittleEndian));
    ShownMessage shown;
    char* fmfPath = reinterpret_cast<char*>(1);
    ASSERT_EQ(TRUE, Convert(tif, &shown, &fmfPath, true));
    ASSERT_NE(nullptr, fmfPath);
    EXPECT_EQ(m_folder.File("fax 7.fmf"), fmfPath);
    EXPECT_EQ("FF", ReadFileBytes(fmfPath).substr(0, 2));
    delete[] fmfPath;

    fmfPath = reinterpret_cast<char*>(1);
    EXPECT_EQ(FALSE, Convert(m_folder.File("missing.tif"), &shown, &fmfPath, true));
    EXPECT_EQ(nullptr, fmfPath);
    EXPECT_EQ("Cannot open fax file " + m_folder.File("missing.tif") + ".", shown.text);
}

TEST_F(FmfConversionTest, MissingTifNamesTheTifFile)
{
    const std::string tif = m_folder.File("missing.tif");
    ShownMessage shown;
    EXPECT_EQ(FALSE, Convert(tif, &shown));
    EXPECT_TRUE(m_messageShown);
    EXPECT_EQ("Cannot open fax file " + tif + ".", shown.text);
    EXPECT_TRUE(shown.okOnly);
    EXPECT_FALSE(PathExists(m_folder.File("missing.fmf")));

    EXPECT_EQ(FALSE, Convert("", &shown));
    EXPECT_EQ("Cannot open fax file .", shown.text);
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
    ShownMessage shown;
    EXPECT_EQ(FALSE, Convert(tif, &shown));
    EXPECT_TRUE(m_messageShown);
    EXPECT_EQ("Cannot open fax file " + tif + ".", shown.text);
    EXPECT_TRUE(shown.okOnly);
    CloseHandle(held);
    EXPECT_EQ("kept", ReadFileBytes(fmf));
    ASSERT_TRUE(DeleteFileA(fmf.c_str()));

    // A folder of that name stands in the way.
    ASSERT_TRUE(CreateDirectoryA(fmf.c_str(), nullptr));
    shown = ShownMessage();
    EXPECT_EQ(FALSE, Convert(tif, &shown));
    EXPECT_EQ("Cannot open fax file " + tif + ".", shown.text);
    EXPECT_TRUE(GetFileAttributesA(fmf.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
}

TEST_F(FmfConversionTest, ShortFileCannotBeRead)
{
    for (const std::string& bytes : {std::string(), std::string("I")}) {
        const std::string tif = m_folder.File("short.tif");
        ASSERT_TRUE(WriteFileBytes(tif, bytes));
        ShownMessage shown;
        EXPECT_EQ(FALSE, Convert(tif, &shown));
        EXPECT_EQ("Cannot read fax file " + m_folder.File("short.fmf") + ".", shown.text);
        EXPECT_TRUE(shown.okOnly);
    }
}
