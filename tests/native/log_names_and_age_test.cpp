// What the log pages derive from a log entry without Windows: the names of an entry's
// document files, the age of an entry, and the walk over a block of entries.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "logs/log_age.h"
#include "logs/log_block_walk.h"
#include "logs/log_file_names.h"

TEST(LogFileNamesTest, DocumentNamesComeFromTheFileNamePart)
{
    EXPECT_EQ("A1.tif", FileNameOfPath("C:\\Out\\A1.tif"));
    EXPECT_EQ("A1.tif", FileNameOfPath("A1.tif"));
    EXPECT_EQ("", FileNameOfPath("C:\\Out\\"));
    EXPECT_EQ("R0001", DocumentNameWithoutExtension("C:\\In\\R0001.tif"));
    EXPECT_EQ("", DocumentNameWithoutExtension("C:\\In\\.tif"));
    EXPECT_EQ("", DocumentNameWithoutExtension("C:\\In\\a"));
    EXPECT_EQ("x", DocumentNameWithoutExtension("x.fmf"));
}

TEST(LogFileNamesTest, SiblingNamesReplaceTheTailOrTheExtension)
{
    std::string result = "unchanged";
    ASSERT_TRUE(ReplaceLastChars("C:\\Out\\A1.fmf", 3, "FMP", &result));
    EXPECT_EQ("C:\\Out\\A1.FMP", result);
    ASSERT_TRUE(ReplaceLastChars("fmf", 3, "tif", &result));
    EXPECT_EQ("tif", result);
    result = "unchanged";
    EXPECT_FALSE(ReplaceLastChars("ab", 3, "tif", &result));
    EXPECT_EQ("unchanged", result);

    EXPECT_EQ("C:\\Out\\A1.qoi", ReplaceExtension("C:\\Out\\A1.tif", "qoi"));
    EXPECT_EQ("C:\\Out\\A1.b.LRS", ReplaceExtension("C:\\Out\\A1.b.fmf", "LRS"));
    // A dot in a folder name is not the document's extension.
    EXPECT_EQ("C:\\My.Faxes\\A1.tif", ReplaceExtension("C:\\My.Faxes\\A1", "tif"));
    EXPECT_EQ("C:\\Out\\A1.tif", ReplaceExtension("C:\\Out\\A1.", "tif"));
}

TEST(LogAgeTest, FileTimesMatchTheCalendar)
{
    uint64_t time = 1;
    ASSERT_TRUE(LogEntryFileTime(1601, 1, 1, 0, 0, 0, &time));
    EXPECT_EQ(0u, time);
    // 1 January 1970 is 11644473600 seconds after 1 January 1601.
    ASSERT_TRUE(LogEntryFileTime(1970, 1, 1, 0, 0, 0, &time));
    EXPECT_EQ(116444736000000000ull, time);
    uint64_t leapDay = 0, dayAfter = 0;
    ASSERT_TRUE(LogEntryFileTime(2024, 2, 29, 23, 59, 59, &leapDay));
    ASSERT_TRUE(LogEntryFileTime(2024, 3, 1, 0, 0, 0, &dayAfter));
    EXPECT_EQ(10000000u, dayAfter - leapDay);
    ASSERT_TRUE(LogEntryFileTime(30827, 12, 31, 23, 59, 59, &time));

    const int impossible[][6] = {{2023, 2, 29, 0, 0, 0}, {2024, 13, 1, 0, 0, 0}, {2024, 0, 1, 0, 0, 0},
                                 {2024, 4, 31, 0, 0, 0}, {2024, 1, 0, 0, 0, 0},  {2024, 1, 1, 24, 0, 0},
                                 {2024, 1, 1, 0, 60, 0}, {2024, 1, 1, 0, 0, 60}, {1600, 12, 31, 0, 0, 0},
                                 {30828, 1, 1, 0, 0, 0}, {-1, -1, -1, -1, -1, -1}};
    for (const auto& t : impossible)
        EXPECT_FALSE(LogEntryFileTime(t[0], t[1], t[2], t[3], t[4], t[5], &time)) << t[0] << "-" << t[1] << "-" << t[2];
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
// A block laid out like the engine's: records of `length` bytes back to back.
std::vector<uint8_t> Block(const std::vector<uint32_t>& jobIds, size_t length, size_t trailingZeroRecords = 1)
{
    std::vector<uint8_t> bytes((jobIds.size() + trailingZeroRecords) * length);
    for (size_t i = 0; i < jobIds.size(); ++i) {
        SEND_FAX record = {};
        record.nRecLength = static_cast<uint16_t>(length);
        record.dwJobID = jobIds[i];
        std::memcpy(bytes.data() + i * length, &record, sizeof record);
    }
    return bytes;
}

std::vector<uint32_t> Walk(std::vector<uint8_t>& block, int count, size_t size)
{
    std::vector<uint32_t> seen;
    WalkLogBlock(block.data(), size, count, [&](SEND_FAX* record) {
        uint32_t jobId = record->dwJobID;  // packed: copied, not referenced
        seen.push_back(jobId);
    });
    return seen;
}
}  // namespace

TEST(LogBlockWalkTest, RecordsAreVisitedInOrderByTheirLengthUntilAZeroJobId)
{
    const size_t length = sizeof(SEND_FAX) + 37;  // texts after each record, odd on purpose
    auto block = Block({5, 6, 7}, length);
    EXPECT_EQ((std::vector<uint32_t>{5, 6, 7}), Walk(block, 3, block.size()));
    // The engine's count is the most that are read.
    EXPECT_EQ((std::vector<uint32_t>{5, 6}), Walk(block, 2, block.size()));
    // A zero job id ends the block even when more were announced.
    EXPECT_EQ((std::vector<uint32_t>{5, 6, 7}), Walk(block, 10, block.size()));
    auto gap = Block({5, 0, 7}, length);
    EXPECT_EQ((std::vector<uint32_t>{5}), Walk(gap, 3, gap.size()));
    EXPECT_TRUE(Walk(block, 0, block.size()).empty());
    EXPECT_EQ(0, WalkLogBlock(nullptr, 0, 3, [](SEND_FAX*) {}));
}

TEST(LogBlockWalkTest, HostileLengthsNeverLeadOutsideTheBlock)
{
    const size_t length = sizeof(SEND_FAX);
    // Announced count beyond the records, and no end record: the walk stops at the end.
    auto full = Block({1, 2, 3}, length, 0);
    EXPECT_EQ((std::vector<uint32_t>{1, 2, 3}), Walk(full, 10, full.size()));
    // A length pointing past the end.
    auto block = Block({1, 2}, length);
    SEND_FAX first = {};
    std::memcpy(&first, block.data(), sizeof first);
    first.nRecLength = 0xFFFF;
    std::memcpy(block.data(), &first, sizeof first);
    EXPECT_EQ((std::vector<uint32_t>{1}), Walk(block, 2, block.size()));
    // A length too short to hold a record ends the walk instead of reading overlapping ones.
    first.nRecLength = 3;
    std::memcpy(block.data(), &first, sizeof first);
    EXPECT_EQ((std::vector<uint32_t>{1}), Walk(block, 2, block.size()));
    // A block smaller than one record is not read at all.
    std::vector<uint8_t> tiny(sizeof(SEND_FAX) - 1);
    EXPECT_TRUE(Walk(tiny, 1, tiny.size()).empty());
}

TEST(LogBlockWalkTest, ARecordWhoseTextsLeaveTheBlockEndsTheWalkBeforeIt)
{
    // Two records with room for texts after each; the second one's name is the case.
    const size_t length = sizeof(SEND_FAX) + 16;
    struct Case {
        const char* what;
        std::ptrdiff_t nameAt;  // from the block's start; -1: null
        const char* text;       // written there, without its terminator when lastByte
        bool lastByte;
        size_t visited;
    };
    const Case cases[] = {
        {"null text", -1, "", false, 2},
        {"text after the record", static_cast<std::ptrdiff_t>(length + sizeof(SEND_FAX)), "Ann", false, 2},
        {"text in the first record's room", static_cast<std::ptrdiff_t>(sizeof(SEND_FAX)), "Bo", false, 2},
        {"text not terminated before the end", static_cast<std::ptrdiff_t>(2 * length - 1), "x", true, 1},
        {"text before the block", -2 * static_cast<std::ptrdiff_t>(length), "", false, 1},
        {"text past the block", 4 * static_cast<std::ptrdiff_t>(length), "", false, 1},
    };
    for (const Case& c : cases) {
        auto block = Block({1, 2}, length, 0);
        SEND_FAX second = {};
        std::memcpy(&second, block.data() + length, sizeof second);
        // As a number: the hostile addresses are never formed from the block's pointer.
        second.szDestName = c.nameAt == -1 ? nullptr
                                           : reinterpret_cast<char*>(reinterpret_cast<uintptr_t>(block.data()) +
                                                                     static_cast<uintptr_t>(c.nameAt));
        std::memcpy(block.data() + length, &second, sizeof second);
        if (c.nameAt >= 0 && static_cast<size_t>(c.nameAt) < block.size()) {
            size_t n = std::strlen(c.text) + (c.lastByte ? 0 : 1);
            std::memcpy(block.data() + c.nameAt, c.text, n);
        }
        EXPECT_EQ(c.visited, Walk(block, 2, block.size()).size()) << c.what;
    }
}
