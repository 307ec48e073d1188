#include "engine_fixture.h"

namespace standintest {

void EngineTest::SetUp()
{
    SetEnvironmentVariableA("RWFAX_ENGINE_STORE", m_store.Path().c_str());
    Load();
}

void EngineTest::TearDown()
{
    Unload();
    SetEnvironmentVariableA("RWFAX_ENGINE_STORE", nullptr);
}

void EngineTest::Load()
{
    m_library = std::make_unique<Library>("VOVADO32.dll");
    ASSERT_NE(nullptr, m_library->Handle());
    m_calls = std::make_unique<EngineCalls>(*m_library);
    ASSERT_TRUE(m_calls->AllFound());
    m_calls->FaxStandInSetClock(&m_now);
    m_handle = m_calls->FaxStandInOpen(m_events.Handle(), EventWindow::kMessage);
    ASSERT_NE(0u, m_handle);
}

void EngineTest::Unload()
{
    if (m_calls && m_handle)
        m_calls->FaxStandInClose(m_handle);
    m_handle = 0;
    m_calls.reset();
    m_library.reset();
}

void EngineTest::Reload()
{
    Unload();
    ASSERT_EQ(nullptr, GetModuleHandleA("VOVADO32.dll")) << "the engine stayed loaded";
    Load();
}

int EngineTest::TickUntilIdle(int limit)
{
    int ticks = 0;
    while (ticks < limit && m_calls->FaxStandInTick(m_handle))
        ++ticks;
    return ticks;
}

DWORD EngineTest::Schedule(const JobTexts& texts, const SYSTEMTIME& start)
{
    SEND_FAX job = FilledJob(*m_calls, m_handle, texts, start);
    return m_calls->FaxSchedule(m_handle, &job);
}

}  // namespace standintest
