// The resolution flag read from documents in the engine's form.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "send/fax_resolution.h"

namespace {
void Put16(std::vector<uint8_t>& bytes, size_t at, uint16_t value)
{
    if (bytes.size() < at + 2)
        bytes.resize(at + 2);
    bytes[at] = static_cast<uint8_t>(value);
    bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}
void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value)
{
    Put16(bytes, at, static_cast<uint16_t>(value));
    Put16(bytes, at + 2, static_cast<uint16_t>(value >> 16));
}

// An engine-form document whose directory holds some entries before the resolution entry.
std::vector<uint8_t> Document(uint32_t numerator, uint32_t denominator, const char* mark = "FF")
{
    std::vector<uint8_t> bytes = {static_cast<uint8_t>(mark[0]), static_cast<uint8_t>(mark[1]), '*', 0};
    Put32(bytes, 4, 8);  // directory right after the header
    Put16(bytes, 8, 3);  // three entries
    const uint16_t tags[] = {256, 282, 283};
    for (int i = 0; i < 3; ++i) {
        size_t entry = 10 + 12 * static_cast<size_t>(i);
        Put16(bytes, entry, tags[i]);
        Put16(bytes, entry + 2, 5);     // RATIONAL
        Put32(bytes, entry + 4, 1);
        Put32(bytes, entry + 8, 100);   // value offset
    }
    Put32(bytes, 100, numerator);
    Put32(bytes, 104, denominator);
    return bytes;
}

int16_t Resolution(const std::vector<uint8_t>& bytes) { return ReadFaxResolutionFromBytes(bytes.data(), bytes.size()); }
}  // namespace

TEST(FaxResolutionTest, VerticalResolutionDecidesFineOrStandard)
{
    EXPECT_EQ(0, Resolution(Document(98, 1)));
    EXPECT_EQ(1, Resolution(Document(196, 1)));
    EXPECT_EQ(0, Resolution(Document(110, 1)));     // 110 is not above 110
    EXPECT_EQ(1, Resolution(Document(111, 1)));
    EXPECT_EQ(0, Resolution(Document(3850, 35)));   // 110 by integer division
    EXPECT_EQ(1, Resolution(Document(3885, 35)));   // 111
    EXPECT_EQ(1, Resolution(Document(98, 0)));      // zero denominator: stays fine
}

TEST(FaxResolutionTest, AnythingButTheEngineFormCountsAsFine)
{
    EXPECT_EQ(1, Resolution(Document(98, 1, "II")));
    EXPECT_EQ(1, Resolution(Document(98, 1, "MM")));
    EXPECT_EQ(1, ReadFaxResolutionFromBytes(nullptr, 0));
    std::vector<uint8_t> shortFile = {'F', 'F', '*'};
    EXPECT_EQ(1, Resolution(shortFile));
    EXPECT_EQ(1, ReadFaxResolution("/no/such/file.fmf"));
    EXPECT_EQ(1, ReadFaxResolution(""));
    EXPECT_EQ(1, ReadFaxResolution(static_cast<const char*>(nullptr)));
}

TEST(FaxResolutionTest, HostileOffsetsEndTheWalkWithoutAResult)
{
    std::vector<uint8_t> bytes = Document(98, 1);
    Put32(bytes, 4, 0xFFFFFFF0u);  // directory far past the end
    EXPECT_EQ(1, Resolution(bytes));

    bytes = Document(98, 1);
    Put32(bytes, 10 + 24 + 8, 0xFFFFFFFFu);  // the rational past the end
    EXPECT_EQ(1, Resolution(bytes));

    bytes = Document(98, 1);
    bytes.resize(10 + 24 + 6);  // the resolution entry cut off before its value offset
    EXPECT_EQ(1, Resolution(bytes));

    // No resolution entry at all: the walk runs to the end of the file.
    bytes = Document(98, 1);
    Put16(bytes, 10 + 24, 284);
    EXPECT_EQ(1, Resolution(bytes));
}
