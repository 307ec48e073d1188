// No C++ exception crosses back into the host: whatever an export's body throws ends in the
// export as a trace line under its name and the export's failure result.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/trace.h"
#include "host/export_guard.h"

namespace {
void Collect(const char* line, void* lines) { static_cast<std::vector<std::string>*>(lines)->push_back(line); }
}  // namespace

TEST(ExportGuardTest, WhatABodyThrowsBecomesATraceLineAndTheFailureResult)
{
    struct Case {
        void (*thrower)();
        const char* line;
    };
    const Case cases[] = {
        {[] { throw std::runtime_error("disk gone"); }, "FaxDLL_OnFaxLogs - disk gone.\n"},
        {[] { throw std::bad_alloc(); }, "FaxDLL_OnFaxLogs - std::bad_alloc.\n"},
        {[] { throw 42; }, "FaxDLL_OnFaxLogs - unexpected failure.\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines;
        SetTraceSink(&Collect, &lines);
        int result = GuardExport("FaxDLL_OnFaxLogs", 2, [&] {
            c.thrower();
            return 1;
        });
        SetTraceSink(nullptr, nullptr);
        EXPECT_EQ(2, result) << c.line;
        EXPECT_EQ(std::vector<std::string>{c.line}, lines);
    }
}
