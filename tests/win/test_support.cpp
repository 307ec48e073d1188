#include "test_support.h"

#include <shlwapi.h>

#include <cstring>

#include "framework/trace.h"
#include "settings/settings_store.h"

namespace testsupport {

void DeleteRegistryTree(HKEY root, const char* path) { SHDeleteKeyA(root, path); }

static HKEY CreateKey(HKEY root, const char* path)
{
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_SUCCESS, RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr)) << path;
    return key;
}

void WriteRegistryString(HKEY root, const char* path, const char* name, const std::string& value)
{
    HKEY key = CreateKey(root, path);
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
}

void WriteRegistryDword(HKEY root, const char* path, const char* name, DWORD value)
{
    HKEY key = CreateKey(root, path);
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

void WriteRegistryBinary(HKEY root, const char* path, const char* name, const void* data, DWORD size)
{
    HKEY key = CreateKey(root, path);
    RegSetValueExA(key, name, 0, REG_BINARY, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

void SettingsTest::SetUp()
{
    DeleteRegistryTree(HKEY_CURRENT_USER, kSuiteKey);
    ASSERT_EQ(1, InitQORegistryKey());
}

void SettingsTest::TearDown() { DeleteRegistryTree(HKEY_CURRENT_USER, kSuiteKey); }

TraceCapture::TraceCapture() { SetTraceSink(&TraceCapture::Collect, this); }
TraceCapture::~TraceCapture() { SetTraceSink(nullptr, nullptr); }

void TraceCapture::Collect(const char* line, void* context)
{
    static_cast<TraceCapture*>(context)->m_lines.emplace_back(line);
}

bool TraceCapture::Contains(const std::string& line) const
{
    for (const auto& captured : m_lines)
        if (captured == line)
            return true;
    return false;
}

TempFolder::TempFolder()
{
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    static unsigned counter = 0;
    for (;;) {
        char name[MAX_PATH];
        wsprintfA(name, "%srwfax-test-%lu-%u", base, GetCurrentProcessId(), ++counter);
        if (CreateDirectoryA(name, nullptr)) {
            m_path = name;
            break;
        }
    }
}

TempFolder::~TempFolder() { RemoveTree(m_path); }

bool WriteFileBytes(const std::string& path, const std::string& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

std::string ReadFileBytes(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

bool PathExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void RemoveTree(const std::string& path)
{
    if (path.empty())
        return;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string child = path + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileA(child.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryA(path.c_str());
}

void PumpPending()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

namespace {
thread_local OnNextActivation* t_activeHook = nullptr;
}

OnNextActivation::OnNextActivation(Action action, void* context) : m_action(action), m_context(context)
{
    t_activeHook = this;
    m_hook = SetWindowsHookExA(WH_CBT, &OnNextActivation::Hook, nullptr, GetCurrentThreadId());
}

OnNextActivation::~OnNextActivation()
{
    if (m_hook)
        UnhookWindowsHookEx(m_hook);
    t_activeHook = nullptr;
}

LRESULT CALLBACK OnNextActivation::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    OnNextActivation* self = t_activeHook;
    if (code == HCBT_ACTIVATE && self && !self->m_fired) {
        self->m_fired = true;
        // Act once the window has finished activating: post to ourselves through a timer-free
        // path by handing the action the window now; actions post their clicks.
        self->m_action(reinterpret_cast<HWND>(wParam), self->m_context);
    }
    return CallNextHookEx(self ? self->m_hook : nullptr, code, wParam, lParam);
}

std::string WindowText(HWND window)
{
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

FAXHOSTWND FrameworkWindowObject(HWND window)
{
    static const ULONG_PTR virtualTable[8] = {};
    static const ULONG_PTR dispatchTable[7] = {};
    static const ULONG_PTR containerTable[5] = {};
    const ULONG_PTR words[] = {
        reinterpret_cast<ULONG_PTR>(virtualTable),
        1,  // reference count
        0,  // no outer unknown
        0,  // inner unknown
        reinterpret_cast<ULONG_PTR>(dispatchTable),
        TRUE,  // result expected
        reinterpret_cast<ULONG_PTR>(containerTable),
        reinterpret_cast<ULONG_PTR>(window),
    };
    static_assert(sizeof words == sizeof(FAXHOSTWND), "the handle follows seven words");
    FAXHOSTWND object;
    memcpy(&object, words, sizeof object);
    return object;
}

std::string MessageBoxText(HWND box) { return WindowText(GetDlgItem(box, 0xFFFF)); }

}  // namespace testsupport
