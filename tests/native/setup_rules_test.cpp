// The rules of the setup pages: the Station Fax ID filter, forwarding targets, pending
// answering-mode changes, dialing spins, and modem texts as the system registry holds them.
#include <string>

#include <gtest/gtest.h>

#include "setup/setup_rules.h"

TEST(StationFaxIdFilter, KeepsDialCharactersAndMovesTheCaretLeftPerRemoval)
{
    StationIdFilterResult typed = FilterStationFaxId("12A", 3);
    EXPECT_EQ("12", typed.text);
    EXPECT_EQ(2, typed.caret);
    EXPECT_EQ(1, typed.removed);

    StationIdFilterResult allowed = FilterStationFaxId("+49 (0) 30#*", 5);
    EXPECT_EQ("+49 0 30#*", allowed.text);
    EXPECT_EQ(3, allowed.caret);  // two brackets taken out
    EXPECT_EQ(2, allowed.removed);

    EXPECT_EQ(0, FilterStationFaxId("0123456789 #*+", 4).removed);
    // Bytes of other code pages and control characters go too; the caret never leaves the text.
    StationIdFilterResult hostile = FilterStationFaxId(std::string("\xE9\x01\x7F-\0", 5), 0);
    EXPECT_EQ("", hostile.text);
    EXPECT_EQ(0, hostile.caret);
    EXPECT_EQ(1, FilterStationFaxId("1", 99).caret);
}

TEST(ForwardTargets, SpeedDialAndRapidDialEntriesMapBothWays)
{
    EXPECT_EQ(7, ForwardIndexFromTarget(kForwardSpeedDial, 7));
    EXPECT_EQ(104, ForwardIndexFromTarget(kForwardRapidDial, 5));
    EXPECT_EQ(100, ForwardIndexFromTarget(kForwardRapidDial, 1));
    EXPECT_EQ(119, ForwardIndexFromTarget(kForwardRapidDial, 20));
    // Any type other than speed dial counts as rapid dial.
    EXPECT_EQ(104, ForwardIndexFromTarget(0, 5));
    // Numbers past the list select nothing, however large.
    EXPECT_GE(ForwardIndexFromTarget(kForwardSpeedDial, 4000000000u), kForwardListCount);
    EXPECT_GE(ForwardIndexFromTarget(kForwardRapidDial, 4000000000u), kForwardListCount);

    ForwardTarget speed = ForwardTargetFromIndex(7);
    EXPECT_EQ(kForwardSpeedDial, speed.type);
    EXPECT_EQ(7u, speed.number);
    ForwardTarget rapid = ForwardTargetFromIndex(104);
    EXPECT_EQ(kForwardRapidDial, rapid.type);
    EXPECT_EQ(5u, rapid.number);
    for (int index = 0; index < kForwardListCount; ++index) {
        ForwardTarget target = ForwardTargetFromIndex(index);
        EXPECT_EQ(index, ForwardIndexFromTarget(target.type, target.number)) << index;
    }
}

TEST(AnswerModeChange, PendingUnlessOneModeTookOverFromTheOther)
{
    // now auto, now forward, before auto, before forward
    EXPECT_FALSE(AnswerModeChangePending(true, false, true, false));    // nothing changed
    EXPECT_FALSE(AnswerModeChangePending(false, true, true, false));    // auto receive -> forwarding
    EXPECT_FALSE(AnswerModeChangePending(true, false, false, true));    // forwarding -> auto receive
    EXPECT_TRUE(AnswerModeChangePending(false, false, true, false));    // auto receive switched off
    EXPECT_TRUE(AnswerModeChangePending(false, false, false, true));    // forwarding switched off
    EXPECT_TRUE(AnswerModeChangePending(true, false, false, false));    // auto receive switched on
    EXPECT_TRUE(AnswerModeChangePending(false, true, false, false));    // forwarding switched on
}

TEST(DialingSpin, StepsWithinItsRangeAndReadsWhatItCan)
{
    EXPECT_EQ(3u, StepSpinValue("2", -1, 10));   // the upper arrow reports -1
    EXPECT_EQ(1u, StepSpinValue("2", 1, 10));
    EXPECT_EQ(10u, StepSpinValue("10", -1, 10));
    EXPECT_EQ(0u, StepSpinValue("0", 1, 10));
    EXPECT_EQ(300u, StepSpinValue("300", -1, 300));
    EXPECT_EQ(1u, StepSpinValue("abc", -1, 10));  // not a number: counts as 0
    EXPECT_EQ(0u, StepSpinValue("", 1, 10));
    EXPECT_EQ(10u, StepSpinValue("99999999999999999999", -1, 10));
    EXPECT_EQ(0u, StepSpinValue("-40", -1, 10));
    EXPECT_EQ(7u, StepSpinValue(" 6x", -1, 10));
}

TEST(ModemTexts, PortsDeviceIdentifiersAndCommands)
{
    EXPECT_EQ(4u, PortNumberFromText("COM4"));
    EXPECT_EQ(12u, PortNumberFromText("COM12"));
    EXPECT_EQ(3u, PortNumberFromText("\\\\.\\COM3 (2)"));
    EXPECT_EQ(0u, PortNumberFromText("LPT"));
    EXPECT_EQ(0u, PortNumberFromText(""));
    EXPECT_EQ(0u, PortNumberFromText("COM99999999999999"));  // no port is that large

    EXPECT_EQ("PNPC107", DeviceIdFromMatchingId("*PNPC107"));
    EXPECT_EQ("VEN_1234", DeviceIdFromMatchingId("pci\\VEN_1234"));
    EXPECT_EQ("VEN_1234", DeviceIdFromMatchingId("*pci\\sub\\VEN_1234"));
    EXPECT_EQ("", DeviceIdFromMatchingId("root\\"));
    EXPECT_EQ("", DeviceIdFromMatchingId(""));

    EXPECT_TRUE(DeviceNameMatches("*pnpc107", "PNPC107"));
    EXPECT_TRUE(DeviceNameMatches("ISAPNP_PNPC107_DEV", "pnpc107"));
    EXPECT_FALSE(DeviceNameMatches("PNPC10", "PNPC107"));
    EXPECT_FALSE(DeviceNameMatches("ANYTHING", ""));

    EXPECT_EQ("ATZ", ModemCommandText("ATZ<cr>"));
    EXPECT_EQ("AT&F E0", ModemCommandText("AT&F E0"));
    EXPECT_EQ("", ModemCommandText("<cr>"));
}
