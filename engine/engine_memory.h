#pragma once
// Records the fax engine hands out (found log entries, blocks of log entries) are locked
// global memory that the receiver releases.
#include <windows.h>

// Unlocks and frees a block the engine handed out; null is ignored.
void FreeEngineMemory(const void* block);

// Owns one block from the engine and releases it on every way out.
template <typename T>
class CEngineMemory {
public:
    CEngineMemory() = default;
    ~CEngineMemory() { FreeEngineMemory(m_p); }
    CEngineMemory(const CEngineMemory&) = delete;
    CEngineMemory& operator=(const CEngineMemory&) = delete;

    // For the engine call's out argument; releases what was held before.
    T** Receive()
    {
        Release();
        return &m_p;
    }
    T* Get() const { return m_p; }
    T* operator->() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    void Release()
    {
        FreeEngineMemory(m_p);
        m_p = nullptr;
    }

private:
    T* m_p = nullptr;
};
