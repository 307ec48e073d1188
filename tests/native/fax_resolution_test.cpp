// The resolution flag read from documents in the engine's form: 1 (fine) unless the vertical
// resolution of a readable document is 110 dots per inch or less.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "send/fax_resolution.h"

namespace {
void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value)
{
    bytes.resize(std::max(bytes.size(), at + 4));
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// An engine-form document whose directory holds three rational entries, the resolution last.
std::vector<uint8_t> Document(uint32_t numerator, uint32_t denominator, const char* mark = "FF")
{
    std::vector<uint8_t> bytes = {static_cast<uint8_t>(mark[0]), static_cast<uint8_t>(mark[1]), '*', 0, 8, 0, 0, 0, 3, 0};
    const uint16_t tags[] = {256, 282, 283};
    for (size_t i = 0; i < 3; ++i) {
        Put32(bytes, 10 + 12 * i, tags[i] | (5u << 16));  // tag, RATIONAL
        Put32(bytes, 14 + 12 * i, 1);
        Put32(bytes, 18 + 12 * i, 100);  // value offset
    }
    Put32(bytes, 100, numerator);
    Put32(bytes, 104, denominator);
    return bytes;
}

int16_t Resolution(const std::vector<uint8_t>& bytes) { return ReadFaxResolutionFromBytes(bytes.data(), bytes.size()); }
}  // namespace

TEST(FaxResolutionTest, VerticalResolutionDecidesFineOrStandard)
{
    struct Case {
        uint32_t numerator, denominator;
        int16_t resolution;
    } const cases[] = {{98, 1, 0},     {196, 1, 1},    {110, 1, 0}, {111, 1, 1},
                       {3850, 35, 0},  {3885, 35, 1},  {98, 0, 1}};  // integer division; zero: stays fine
    for (const Case& c : cases)
        EXPECT_EQ(c.resolution, Resolution(Document(c.numerator, c.denominator))) << c.numerator << "/" << c.denominator;

    // A file is read through a window of 4,096 bytes: a value lying beyond it is read as well.
    std::vector<uint8_t> far = Document(98, 1);
    for (size_t i = 0; i < 3; ++i)
        Put32(far, 18 + 12 * i, 5000);
    Put32(far, 5000, 98);
    Put32(far, 5004, 1);
    const std::string path = testing::TempDir() + "far_resolution.fmf";
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(far.data()), static_cast<std::streamsize>(far.size()));
    EXPECT_EQ(0, ReadFaxResolution(path.c_str()));
    std::remove(path.c_str());
}

TEST(FaxResolutionTest, AnythingButAReadableEngineDocumentCountsAsFine)
{
    std::vector<std::vector<uint8_t>> others = {Document(98, 1, "II"), {'F', 'F', '*'}};
    others.push_back(Document(98, 1));
    Put32(others.back(), 4, 0xFFFFFFF0u);  // directory far past the end
    others.push_back(Document(98, 1));
    Put32(others.back(), 42, 0xFFFFFFFFu);  // the rational past the end
    others.push_back(Document(98, 1));
    others.back().resize(40);  // the resolution entry cut off before its value offset
    others.push_back(Document(98, 1));
    others.back()[34] = 28;  // no resolution entry at all: the walk runs to the end
    for (size_t i = 0; i < others.size(); ++i)
        EXPECT_EQ(1, Resolution(others[i])) << i;
    EXPECT_EQ(1, ReadFaxResolutionFromBytes(nullptr, 0));
    EXPECT_EQ(1, ReadFaxResolution("/no/such/file.fmf"));
}
