// The rules of the setup pages: pending answering-mode changes, dialing spins, and modem texts as the system registry holds them.
#include <string>

#include <gtest/gtest.h>

#include "setup/setup_rules.h"

TEST(AnswerModeChange, PendingUnlessOneModeTookOverFromTheOther)
{
    // now auto, now forward, before auto, before forward
    EXPECT_FALSE(AnswerModeChangePending(true, false, true, false));
    EXPECT_FALSE(AnswerModeChangePending(false, true, true, false));
    EXPECT_FALSE(AnswerModeChangePending(true, false, false, true));
    EXPECT_TRUE(AnswerModeChangePending(false, false, true, false));
    EXPECT_TRUE(AnswerModeChangePending(true, false, false, false));
    EXPECT_TRUE(AnswerModeChangePending(false, true, false, false));
}

TEST(DialingSpin, StepsWithinItsRangeAndReadsWhatItCan)
{
    // The upper arrow reports -1; what is not a number counts as 0.
    const struct {
        const char* text;
        int delta;
        unsigned maximum, expected;
    } cases[] = {{"2", -1, 10, 3},  {"2", 1, 10, 1},   {"10", -1, 10, 10}, {"0", 1, 10, 0},
                 {"abc", -1, 10, 1}, {"99999999999999999999", -1, 10, 10}, {"-40", -1, 10, 0}, {" 6x", -1, 10, 7}};
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, StepSpinValue(c.text, c.delta, c.maximum)) << c.text << " " << c.delta;
}

TEST(ModemTexts, PortsDeviceIdentifiersAndCommands)
{
    EXPECT_EQ("4 12 3 0 0 0", std::to_string(PortNumberFromText("COM4")) + " " + std::to_string(PortNumberFromText("COM12")) +
                                  " " + std::to_string(PortNumberFromText("\\\\.\\COM3 (2)")) + " " +
                                  std::to_string(PortNumberFromText("LPT")) + " " + std::to_string(PortNumberFromText("")) +
                                  " " + std::to_string(PortNumberFromText("COM99999999999999")));
    EXPECT_EQ("PNPC107|VEN_1234|VEN_1234||", DeviceIdFromMatchingId("*PNPC107") + "|" + DeviceIdFromMatchingId("pci\\VEN_1234") +
                                                 "|" + DeviceIdFromMatchingId("*pci\\sub\\VEN_1234") + "|" +
                                                 DeviceIdFromMatchingId("root\\") + "|" + DeviceIdFromMatchingId(""));
    EXPECT_TRUE(DeviceNameMatches("*pnpc107", "PNPC107"));
    EXPECT_TRUE(DeviceNameMatches("ISAPNP_PNPC107_DEV", "pnpc107"));
    EXPECT_FALSE(DeviceNameMatches("PNPC10", "PNPC107"));
    EXPECT_FALSE(DeviceNameMatches("ANYTHING", ""));
    EXPECT_EQ("ATZ|AT&F E0|", ModemCommandText("ATZ<cr>") + "|" + ModemCommandText("AT&F E0") + "|" + ModemCommandText("<cr>"));
}
