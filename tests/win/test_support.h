#pragma once
// Shared helpers of the Windows-side tests: a clean settings key per test, captured trace
// lines, temporary folders, and bounded message pumping.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RWFaxDlg.h"

namespace testsupport {

// The host's window object as a host built on the framework hands it over, word by word:
// a virtual table, the command target's words (none of them a window), then the handle.
FAXHOSTWND FrameworkWindowObject(HWND window);

// Deletes a registry tree; missing trees are fine.
void DeleteRegistryTree(HKEY root, const char* path);
// Writes a value under a key of any hive, creating the key.
void WriteRegistryString(HKEY root, const char* path, const char* name, const std::string& value);
void WriteRegistryDword(HKEY root, const char* path, const char* name, DWORD value);
void WriteRegistryBinary(HKEY root, const char* path, const char* name, const void* data, DWORD size);

constexpr char kSettingsKey[] = "Software\\Velmoor\\QOI\\Fax\\RW";
constexpr char kSuiteKey[] = "Software\\Velmoor";

// Every test starts with no settings and the key of the settings store in place.
class SettingsTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// Collects trace lines while alive.
class TraceCapture {
public:
    TraceCapture();
    ~TraceCapture();
    const std::vector<std::string>& Lines() const { return m_lines; }
    bool Contains(const std::string& line) const;

private:
    static void Collect(const char* line, void* context);
    std::vector<std::string> m_lines;
};

// A fresh folder under the temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "\\" + name; }

private:
    std::string m_path;
};

bool WriteFileBytes(const std::string& path, const std::string& bytes);
std::string ReadFileBytes(const std::string& path);
bool PathExists(const std::string& path);
void RemoveTree(const std::string& path);

// Dispatches the messages waiting on this thread.
void PumpPending();

// Runs an action on the first window that becomes active on this thread while alive
// (a modal dialog or a message box), through a CBT hook. The action gets the window.
class OnNextActivation {
public:
    using Action = void (*)(HWND window, void* context);
    OnNextActivation(Action action, void* context);
    ~OnNextActivation();
    bool Fired() const { return m_fired; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    HHOOK m_hook;
    Action m_action;
    void* m_context;
    bool m_fired = false;
};

// A call of a DLL this program has already loaded (the stand-in libraries' own calls, which
// the module's import libraries do not list).
template <typename T>
T LoadedLibraryCall(const char* library, const char* name)
{
    return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(library), name)));
}

// The text of a message box (its static control 0xFFFF) and a way to press its buttons.
std::string MessageBoxText(HWND box);
std::string WindowText(HWND window);

}  // namespace testsupport
