// What the log pages derive from a log entry without Windows: the age of an entry, and the
// walk over a block of entries the engine hands over.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "logs/log_age.h"
#include "logs/log_block_walk.h"

TEST(LogAgeTest, FileTimesMatchTheCalendarAndImpossibleDatesHaveNone)
{
    const struct {
        int t[6];
        bool valid;
        uint64_t seconds;  // after 1 January 1601; 0: not checked
    } cases[] = {
        {{1601, 1, 1, 0, 0, 0}, true, 0},           {{1970, 1, 1, 0, 0, 0}, true, 11644473600ull},
        {{2024, 2, 29, 23, 59, 59}, true, 0},       {{30827, 12, 31, 23, 59, 59}, true, 0},
        {{2023, 2, 29, 0, 0, 0}, false, 0},         {{2024, 13, 1, 0, 0, 0}, false, 0},
        {{2024, 0, 1, 0, 0, 0}, false, 0},          {{2024, 4, 31, 0, 0, 0}, false, 0},
        {{2024, 1, 0, 0, 0, 0}, false, 0},          {{2024, 1, 1, 24, 0, 0}, false, 0},
        {{1600, 12, 31, 0, 0, 0}, false, 0},        {{30828, 1, 1, 0, 0, 0}, false, 0},
    };
    for (const auto& c : cases) {
        uint64_t time = 1;
        EXPECT_EQ(c.valid, LogEntryFileTime(c.t[0], c.t[1], c.t[2], c.t[3], c.t[4], c.t[5], &time))
            << c.t[0] << "-" << c.t[1] << "-" << c.t[2] << " " << c.t[3];
        if (c.seconds || c.t[0] == 1601) {
            EXPECT_EQ(c.seconds * 10000000ull, time) << c.t[0];
        }
    }
}

TEST(LogAgeTest, AnEntryIsAgedWhenItsDaysHaveRunOutToTheSecond)
{
    uint64_t now = 0, exactly30 = 0, secondLater = 0;
    ASSERT_TRUE(LogEntryFileTime(2025, 3, 10, 12, 0, 0, &now));
    ASSERT_TRUE(LogEntryFileTime(2025, 2, 8, 12, 0, 0, &exactly30));
    ASSERT_TRUE(LogEntryFileTime(2025, 2, 8, 12, 0, 1, &secondLater));
    EXPECT_TRUE(IsLogEntryAged(exactly30, 30, now));
    EXPECT_FALSE(IsLogEntryAged(secondLater, 30, now));
    // No days to keep: everything up to now goes, a future entry stays.
    EXPECT_TRUE(IsLogEntryAged(now, 0, now));
    EXPECT_FALSE(IsLogEntryAged(now + 1, 0, now));
    // Spans beyond the file time's range keep the entry rather than wrap around.
    EXPECT_FALSE(IsLogEntryAged(exactly30, 0xFFFFFFFFu, now));
    EXPECT_FALSE(IsLogEntryAged(UINT64_MAX - 5, 1, UINT64_MAX));
}

namespace {
// A block laid out like the engine's: records of `length` bytes back to back, the first
// one's length given apart when not 0.
std::vector<uint8_t> Block(const std::vector<uint32_t>& jobIds, size_t length, size_t trailingZeroRecords = 1,
                           uint16_t firstLength = 0)
{
    std::vector<uint8_t> bytes((jobIds.size() + trailingZeroRecords) * length);
    for (size_t i = 0; i < jobIds.size(); ++i) {
        SEND_FAX record = {};
        record.nRecLength = static_cast<uint16_t>(i == 0 && firstLength ? firstLength : length);
        record.dwJobID = jobIds[i];
        std::memcpy(bytes.data() + i * length, &record, sizeof record);
    }
    return bytes;
}

std::vector<uint32_t> Walk(std::vector<uint8_t>& block, int count)
{
    std::vector<uint32_t> seen;
    WalkLogBlock(block.data(), block.size(), count, [&](SEND_FAX* record) {
        uint32_t jobId = record->dwJobID;  // packed: copied, not referenced
        seen.push_back(jobId);
    });
    return seen;
}
}  // namespace

TEST(LogBlockWalkTest, RecordsAreVisitedInOrderByTheirLengthAndNeverOutsideTheBlock)
{
    const size_t length = sizeof(SEND_FAX) + 37;  // texts after each record, odd on purpose
    const struct {
        const char* what;
        std::vector<uint8_t> block;
        int count;
        std::vector<uint32_t> visited;
    } cases[] = {
        {"all", Block({5, 6, 7}, length), 3, {5, 6, 7}},
        {"the engine's count is the most read", Block({5, 6, 7}, length), 2, {5, 6}},
        {"a zero job id in the middle", Block({5, 0, 7}, length), 3, {5}},
        {"no end record", Block({1, 2, 3}, sizeof(SEND_FAX), 0), 10, {1, 2, 3}},
        {"a length past the end", Block({1, 2}, sizeof(SEND_FAX), 1, 0xFFFF), 2, {1}},
        {"a length too short for a record", Block({1, 2}, sizeof(SEND_FAX), 1, 3), 2, {1}},
        {"smaller than one record", std::vector<uint8_t>(sizeof(SEND_FAX) - 1), 1, {}},
    };
    for (auto c : cases)
        EXPECT_EQ(c.visited, Walk(c.block, c.count)) << c.what;
    EXPECT_EQ(0, WalkLogBlock(nullptr, 0, 3, [](SEND_FAX*) {}));
}
