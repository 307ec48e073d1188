#pragma once
// A fax engine loaded from its DLL for one test, on a store folder of its own (named by the
// environment variable, as a host's test setup would), opened with a window that records
// its events, on a fixed clock.
#include <memory>

#include "standin_libraries.h"
#include "win/test_support.h"

namespace standintest {

class EngineTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Frees the library (it must really unload) and loads and opens it again.
    void Reload();
    // Ticks until the engine has nothing more to do; returns the number of ticks.
    int TickUntilIdle(int limit = 100);
    // Schedules a job with the texts, starting at the time; returns its identifier.
    DWORD Schedule(const JobTexts& texts, const SYSTEMTIME& start);

    const EngineCalls& Engine() const { return *m_calls; }
    FAXENGINE Handle() const { return m_handle; }
    std::vector<RecordedEvent> TakeEvents() { return m_events.Take(); }

    testsupport::TempFolder m_store;
    testsupport::TempFolder m_documents;
    SYSTEMTIME m_now = LocalTime(2024, 5, 10, 12, 0, 0);

private:
    void Load();
    void Unload();

    EventWindow m_events;
    std::unique_ptr<Library> m_library;
    std::unique_ptr<EngineCalls> m_calls;
    FAXENGINE m_handle = 0;
};

}  // namespace standintest
