// The send-job record keeps the engine's field order, packed, whatever the pointer size.
#include <cstddef>

#include <gtest/gtest.h>

#include "SendFax.h"

TEST(SendFaxLayoutTest, FieldsFollowEachOtherWithoutPadding)
{
    const size_t p = sizeof(void*);
    EXPECT_EQ(6u, offsetof(SEND_FAX, nRecLength));
    EXPECT_EQ(8u, offsetof(SEND_FAX, szDestName));
    EXPECT_EQ(8u + 13 * p, offsetof(SEND_FAX, szLocalID));
    EXPECT_EQ(8u + 13 * p + 22, offsetof(SEND_FAX, nTimeout));
    EXPECT_EQ(8u + 13 * p + 22 + 20, offsetof(SEND_FAX, szFileList));
    EXPECT_EQ(8u + 14 * p + 42 + 54, offsetof(SEND_FAX, dwEngineReserved160));
    EXPECT_EQ(offsetof(SEND_FAX, dwEngineReserved160) + 18, offsetof(SEND_FAX, dwJobID));
    EXPECT_EQ(offsetof(SEND_FAX, dwJobID) + 28, offsetof(SEND_FAX, nLogType));
    EXPECT_EQ(offsetof(SEND_FAX, nLogType) + 8, sizeof(SEND_FAX));
}
