#pragma once
// Reading what the system keeps about installed modems under HKEY_LOCAL_MACHINE, read only.
// Registry data is not trusted: a value of the wrong type, without its terminator or longer
// than the reader's buffer counts as missing.
#include <windows.h>

#include <string>

// A key of the local machine opened for reading and closed with the object.
class CMachineKey {
public:
    CMachineKey() = default;
    explicit CMachineKey(const std::string& path) { Open(path); }
    ~CMachineKey() { Close(); }
    CMachineKey(const CMachineKey&) = delete;
    CMachineKey& operator=(const CMachineKey&) = delete;

    bool Open(const std::string& path);
    void Close();
    bool IsOpen() const { return m_hKey != nullptr; }

    // A text read through a buffer of bufferSize bytes, terminator included.
    bool ReadText(const char* valueName, size_t bufferSize, std::string* text) const;
    // The name of the subkey at an index, if it has at most maxChars characters.
    // Returns ERROR_SUCCESS, ERROR_MORE_DATA for a longer name, or ERROR_NO_MORE_ITEMS.
    LONG SubkeyName(DWORD index, size_t maxChars, std::string* name) const;

private:
    HKEY m_hKey = nullptr;
};
