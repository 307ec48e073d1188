#include "send/fmf_conversion.h"

#include <new>
#include <string>

#include "framework/message_box.h"
#include "framework/resources.h"
#include "res/resource.h"
#include "send/fmf_path.h"

namespace {
void ShowFaxFileFailure(UINT messageId, const std::string& path)
{
    FaxMessageBox(nullptr, FormatModuleString(messageId, path.c_str()), nullptr, MB_OK);
}

// The conversion itself; the fmf path on success, empty after a failure message.
std::string MakeFmfFile(LPCSTR tifPath)
{
    const std::string source = tifPath ? tifPath : "";
    const std::string destination = FmfPathFor(source);
    if (destination.empty() || !CopyFileA(source.c_str(), destination.c_str(), FALSE)) {
        ShowFaxFileFailure(IDS_CANNOT_OPEN_FAX, source);
        return std::string();
    }

    HANDLE file = CreateFileA(destination.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        ShowFaxFileFailure(IDS_CANNOT_OPEN_FAX, destination);
        return std::string();
    }

    char byteOrder[2] = {};
    DWORD count = 0;
    if (!ReadFile(file, byteOrder, sizeof byteOrder, &count, nullptr) || count < sizeof byteOrder) {
        CloseHandle(file);
        ShowFaxFileFailure(IDS_CANNOT_READ_FAX, destination);
        return std::string();
    }

    if (byteOrder[0] == 'I' && byteOrder[1] == 'I') {
        static const char kEngineMark[2] = {'F', 'F'};
        count = 0;
        if (SetFilePointer(file, 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER ||
            !WriteFile(file, kEngineMark, sizeof kEngineMark, &count, nullptr) || count < sizeof kEngineMark) {
            CloseHandle(file);
            ShowFaxFileFailure(IDS_CANNOT_WRITE_FAX, destination);
            return std::string();
        }
    }
    CloseHandle(file);
    return destination;
}
}  // namespace

BOOL ConvertTifToFmf(LPCSTR tifPath) { return MakeFmfFile(tifPath).empty() ? FALSE : TRUE; }

BOOL ConvertTifToFmf(LPCSTR tifPath, LPSTR* fmfPath)
{
    if (fmfPath)
        *fmfPath = nullptr;
    std::string destination = MakeFmfFile(tifPath);
    if (destination.empty())
        return FALSE;
    if (fmfPath) {
        *fmfPath = new (std::nothrow) char[MAX_PATH];
        if (!*fmfPath)
            return FALSE;
        lstrcpynA(*fmfPath, destination.c_str(), MAX_PATH);
    }
    return TRUE;
}
