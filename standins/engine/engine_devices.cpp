// The engine's fax devices (by communication port) and its settings.
#include "standins/engine/fax_engine_core.h"

#include <algorithm>

DWORD CFaxEngine::DeviceCount()
{
    EnsureLoaded();
    return static_cast<DWORD>(m_config.devices.size());
}

std::vector<DWORD> CFaxEngine::ActiveDevices()
{
    EnsureLoaded();
    return std::vector<DWORD>(m_config.devices.begin(), m_config.devices.end());
}

bool CFaxEngine::AddDevice(DWORD port)
{
    EnsureLoaded();
    if (port == 0 || port > 65535)
        return false;
    if (!m_acceptedPorts.empty() && std::find(m_acceptedPorts.begin(), m_acceptedPorts.end(), port) == m_acceptedPorts.end())
        return false;
    if (std::find(m_config.devices.begin(), m_config.devices.end(), port) == m_config.devices.end())
        m_config.devices.push_back(port);
    return m_store.SaveConfig(m_config);
}

bool CFaxEngine::RemoveDevice(DWORD port)
{
    EnsureLoaded();
    auto found = std::find(m_config.devices.begin(), m_config.devices.end(), port);
    if (found == m_config.devices.end())
        return false;
    m_config.devices.erase(found);
    m_store.SaveConfig(m_config);
    return true;
}

bool CFaxEngine::SetConfig(const std::string& key, const std::string& value)
{
    EnsureLoaded();
    if (key.empty() || key.find_first_of("=[]\r\n") != std::string::npos)
        return false;
    m_config.values.Set(key, value);
    return m_store.SaveConfig(m_config);
}

const std::string* CFaxEngine::Config(const std::string& key)
{
    EnsureLoaded();
    return m_config.values.Find(key);
}
