#include "standins/engine/engine_config.h"

#include <algorithm>
#include <cstdlib>

namespace {
// Port numbers from "1,3,7"; anything that is not a number from 1 to 65535 is left out.
std::vector<uint32_t> ParsePorts(const std::string& text)
{
    std::vector<uint32_t> ports;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t comma = text.find(',', pos);
        if (comma == std::string::npos)
            comma = text.size();
        std::string item = text.substr(pos, comma - pos);
        pos = comma + 1;
        char* end = nullptr;
        long value = std::strtol(item.c_str(), &end, 10);
        if (!item.empty() && item.size() < 8 && *end == '\0' && value >= 1 && value <= 65535 &&
            std::find(ports.begin(), ports.end(), static_cast<uint32_t>(value)) == ports.end())
            ports.push_back(static_cast<uint32_t>(value));
    }
    return ports;
}
}  // namespace

std::string FormatEngineConfig(const EngineConfig& config)
{
    ProfileText profile;
    ProfileSection& engine = profile.Add("Engine");
    engine.Set("NextJobID", std::to_string(config.nextJobId));
    std::string devices;
    for (uint32_t port : config.devices)
        devices += (devices.empty() ? "" : ",") + std::to_string(port);
    engine.Set("Devices", devices);
    profile.sections.push_back(config.values);
    profile.sections.back().name = "Config";
    return FormatProfileText(profile, {"Settings of the fax engine."});
}

EngineConfig ParseEngineConfig(const std::string& text)
{
    EngineConfig config;
    ProfileText profile = ParseProfileText(text);
    if (const ProfileSection* engine = profile.Find("Engine")) {
        if (const std::string* next = engine->Find("NextJobID")) {
            char* end = nullptr;
            unsigned long long value = std::strtoull(next->c_str(), &end, 10);
            if (!next->empty() && next->size() <= 10 && *end == '\0' && value >= 1 && value <= 0xFFFFFFFFull)
                config.nextJobId = static_cast<uint32_t>(value);
        }
        if (const std::string* devices = engine->Find("Devices"))
            config.devices = ParsePorts(*devices);
    }
    if (const ProfileSection* values = profile.Find("Config"))
        config.values = *values;
    config.values.name = "Config";
    return config;
}
