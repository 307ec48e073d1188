#pragma once
// What the fax engine keeps besides its jobs, in the file Engine.ini of its store:
//
//   [Engine]
//   NextJobID=18          the identifier the next job gets (identifiers are never reused)
//   Devices=1,3           communication ports of the fax devices in use
//   [Config]
//   AutoReceive=ON        values set with FaxSetConfig
#include <cstdint>
#include <string>
#include <vector>

#include "standins/common/profile_text.h"

struct EngineConfig {
    uint32_t nextJobId = 1;
    std::vector<uint32_t> devices;
    ProfileSection values{"Config", {}};
};

std::string FormatEngineConfig(const EngineConfig& config);
// Takes what it can read; anything missing or unreadable keeps its default.
EngineConfig ParseEngineConfig(const std::string& text);
