// init.txt: seven label-and-value records read with the C %i rules.
#include <gtest/gtest.h>

#include <allegro.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "world/settings_file.h"
#include "shell/startup.h"
#include "world/settings.h"

namespace {
const char* const WELL_LABELLED = "bandHeight 80\n"
                                  "panelWidth 160\n"
                                  "rosterTop 120\n"
                                  "rosterRowHeight 70\n"
                                  "tickMs 50\n"
                                  "highlightColor 255 255 0\n"
                                  "shotShowTicks 10\n";

SettingsRecords parse(const std::string& text) {
    std::FILE* in = std::tmpfile();
    std::fputs(text.c_str(), in);
    std::rewind(in);
    const SettingsRecords records = parseSettings(in);
    std::fclose(in);
    return records;
}

void expectSame(const SettingsRecords& a, const SettingsRecords& b) {
    EXPECT_EQ(a.bandHeight, b.bandHeight);
    EXPECT_EQ(a.panelWidth, b.panelWidth);
    EXPECT_EQ(a.rosterTop, b.rosterTop);
    EXPECT_EQ(a.rosterRowHeight, b.rosterRowHeight);
    EXPECT_EQ(a.tickMs, b.tickMs);
    EXPECT_EQ(a.red, b.red);
    EXPECT_EQ(a.green, b.green);
    EXPECT_EQ(a.blue, b.blue);
    EXPECT_EQ(a.shotShowTicks, b.shotShowTicks);
    EXPECT_EQ(a.wholeRecords, b.wholeRecords);
}

TEST(SettingsParsing, ReadsTheSevenRecordsInOrder) {
    const SettingsRecords r = parse(WELL_LABELLED);
    EXPECT_EQ(r.bandHeight, 80);
    EXPECT_EQ(r.panelWidth, 160);
    EXPECT_EQ(r.rosterTop, 120);
    EXPECT_EQ(r.rosterRowHeight, 70);
    EXPECT_EQ(r.tickMs, 50);
    EXPECT_EQ(r.red, 255);
    EXPECT_EQ(r.green, 255);
    EXPECT_EQ(r.blue, 0);
    EXPECT_EQ(r.shotShowTicks, 10);
    EXPECT_EQ(r.wholeRecords, SETTINGS_RECORD_COUNT);
}

TEST(SettingsParsing, LabelsCountOnlyByPosition) {
    expectSame(parse("x 80 x 160 x 120 x 70 x 50 x 255 255 0 x 10"), parse(WELL_LABELLED));
    expectSame(parse("10 80 % 160 tickMs 120 -- 70 a.b 50 0x1 255 255 0 \"\" 10"),
               parse(WELL_LABELLED));
}

TEST(SettingsParsing, AnyWhiteSpaceSeparatesRecords) {
    expectSame(parse("a 80\r\nb\t160 c 120\r\n\r\nd 70 e 50 f 255\n255\n0 g 10"),
               parse(WELL_LABELLED));
}

TEST(SettingsParsing, IntegersFollowTheCConversion) {
    const SettingsRecords colour = parse("a 1 b 2 c 3 d 4 e 5 f 0x10 010 16 g 7");
    EXPECT_EQ(colour.red, 16);
    EXPECT_EQ(colour.green, 8);
    EXPECT_EQ(colour.blue, 16);
    const SettingsRecords signs = parse("a -5 b +7 c 0X1f d -010 e -0x10 f 0 0 0 g 00");
    EXPECT_EQ(signs.bandHeight, -5);
    EXPECT_EQ(signs.panelWidth, 7);
    EXPECT_EQ(signs.rosterTop, 31);
    EXPECT_EQ(signs.rosterRowHeight, -8);
    EXPECT_EQ(signs.tickMs, -16);
    EXPECT_EQ(signs.wholeRecords, SETTINGS_RECORD_COUNT);
}

TEST(SettingsParsing, AShortFileLeavesTheRestZero) {
    const SettingsRecords r = parse("a 80 b 160 c 120");
    EXPECT_EQ(r.bandHeight, 80);
    EXPECT_EQ(r.panelWidth, 160);
    EXPECT_EQ(r.rosterTop, 120);
    EXPECT_EQ(r.rosterRowHeight, 0);
    EXPECT_EQ(r.tickMs, 0);
    EXPECT_EQ(r.red + r.green + r.blue, 0);
    EXPECT_EQ(r.shotShowTicks, 0);
    EXPECT_EQ(r.wholeRecords, 3);
    EXPECT_EQ(parse("").wholeRecords, 0);
    EXPECT_EQ(parse("label").wholeRecords, 0);
}

TEST(SettingsParsing, ReadingStopsAtTheFirstBadRecord) {
    // Record 4 is no number; record 5 after it is well-formed but not taken.
    const SettingsRecords r = parse("a 80 b 160 c 120 d seventy e 50 f 1 2 3 g 10");
    EXPECT_EQ(r.rosterTop, 120);
    EXPECT_EQ(r.rosterRowHeight, 0);
    EXPECT_EQ(r.tickMs, 0);
    EXPECT_EQ(r.shotShowTicks, 0);
    EXPECT_EQ(r.wholeRecords, 3);
}

TEST(SettingsParsing, AColourRecordCutShortKeepsNoneOfItsNumbers) {
    const SettingsRecords r = parse("a 1 b 2 c 3 d 4 e 5 f 200 100 g 10");
    EXPECT_EQ(r.tickMs, 5);
    EXPECT_EQ(r.red, 0);
    EXPECT_EQ(r.green, 0);
    EXPECT_EQ(r.blue, 0);
    EXPECT_EQ(r.shotShowTicks, 0);
    EXPECT_EQ(r.wholeRecords, 5);
}

TEST(SettingsParsing, NumbersBeyond32BitsAreBadRecords) {
    EXPECT_EQ(parse("a 2147483647 b 2147483648").wholeRecords, 1);
    EXPECT_EQ(parse("a -2147483648 b -2147483649").wholeRecords, 1);
    EXPECT_EQ(parse("a 99999999999999999999999").wholeRecords, 0);
}

// A number ends where "%i" ends it; the rest of its word is the next label.
TEST(SettingsParsing, NumbersAreReadAsPercentIAndTheRestOfTheWordIsTheNextLabel) {
    const SettingsRecords on = parse("a 5 b 7x 9 d 9 e 9 f 1 2 3 g 9");
    EXPECT_EQ(on.panelWidth, 7);
    EXPECT_EQ(on.rosterTop, 9);
    EXPECT_EQ(on.wholeRecords, SETTINGS_RECORD_COUNT);
    const SettingsRecords split = parse("a 08 5 c 1-4 7");
    EXPECT_EQ(split.bandHeight, 0);
    EXPECT_EQ(split.panelWidth, 5);
    EXPECT_EQ(split.rosterTop, 1);
    EXPECT_EQ(split.rosterRowHeight, 7);
    EXPECT_EQ(split.wholeRecords, 4);
    const SettingsRecords colour = parse("a 1 b 2 c 3 d 4 e 5 f 1 08 3 g 10");
    EXPECT_EQ(colour.green, 0);
    EXPECT_EQ(colour.blue, 8);
    EXPECT_EQ(colour.shotShowTicks, 0) << "\"3\" is the label, \"g\" no number";
    EXPECT_EQ(colour.wholeRecords, 6);
    // A lone sign or a bare 0x is no number, and its record is bad.
    EXPECT_EQ(parse("a 1 b + 2").wholeRecords, 1);
    EXPECT_EQ(parse("a 1 b 0x c 2").wholeRecords, 1);
    EXPECT_EQ(parse("a 5 b 7x c 9").wholeRecords, 2);
    // No length limit: a zero-padded (so octal) number of 40 digits.
    EXPECT_EQ(parse("a " + std::string(39, '0') + "17").bandHeight, 15);
}

TEST(SettingsParsing, LongLabelsAreSkippedWhole) {
    const std::string forty(40, 'w');
    const std::string huge(5000, 'h');
    expectSame(parse(forty + " 80 " + huge + " 160 c 120 d 70 e 50 f 255 255 0 g 10"),
               parse(WELL_LABELLED));
    // Digits at the end of a long label stay part of the label.
    const SettingsRecords r = parse(std::string(39, 'x') + "77 5");
    EXPECT_EQ(r.bandHeight, 5);
    EXPECT_EQ(r.wholeRecords, 1);
}

TEST(TimerInterval, UsesTheSettingOnlyWhenTheTimerCanRunAtIt) {
    EXPECT_EQ(timerIntervalMs(1), 1);
    EXPECT_EQ(timerIntervalMs(40), 40);
    EXPECT_EQ(timerIntervalMs(0), DEFAULT_TICK_MS);
    EXPECT_EQ(timerIntervalMs(-5), DEFAULT_TICK_MS);
    // The library's count of the interval must fit a 32-bit long.
    EXPECT_EQ(timerIntervalMs(LONGEST_TICK_MS), LONGEST_TICK_MS);
    EXPECT_EQ(timerIntervalMs(INT32_MAX), LONGEST_TICK_MS);
    EXPECT_LE(int64_t{LONGEST_TICK_MS} * (1193181 / 1000), INT32_MAX); // MSEC_TO_TIMER
}

// readSettings itself: the file, then the colour through makecol in 16 bits.
class ReadSettings : public ::testing::Test {
  protected:
    std::string path = (std::filesystem::temp_directory_path() /
                        ("prowlgrid-init-" + std::to_string(getpid()) + ".txt"))
                           .string();

    // The pixel layout the screen reports once the 16-bit mode is set: 5-6-5,
    // red on top. Without a mode the library assumes another one.
    void SetUp() override {
        set_color_depth(16);
        _rgb_r_shift_16 = 11;
        _rgb_g_shift_16 = 5;
        _rgb_b_shift_16 = 0;
    }
    void TearDown() override { std::filesystem::remove(path); }

    bool readText(const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
        return readSettings(path.c_str());
    }
};

TEST_F(ReadSettings, StoresEverySetting) {
    ASSERT_TRUE(readText(WELL_LABELLED));
    EXPECT_EQ(bandHeight, 80);
    EXPECT_EQ(panelWidth, 160);
    EXPECT_EQ(rosterTop, 120);
    EXPECT_EQ(rosterRowHeight, 70);
    EXPECT_EQ(tickMs, 50);
    EXPECT_EQ(highlightColor, makecol16(255, 255, 0));
    EXPECT_EQ(shotShowTicks, 10);
}

TEST_F(ReadSettings, PureRedIsPureRedIn16Bits) {
    ASSERT_TRUE(readText("a 1 b 2 c 3 d 4 e 5 f 255 0 0 g 7"));
    EXPECT_EQ(highlightColor, 0xF800);
    EXPECT_EQ(getr16(highlightColor), 255);
    EXPECT_EQ(getg16(highlightColor), 0);
    EXPECT_EQ(getb16(highlightColor), 0);
}

TEST_F(ReadSettings, HexOctalAndDecimalComponents) {
    ASSERT_TRUE(readText("a 1 b 2 c 3 d 4 e 5 f 0x10 010 16 g 7"));
    EXPECT_EQ(highlightColor, makecol16(16, 8, 16));
    EXPECT_EQ(getr16(highlightColor), 16);
    EXPECT_EQ(getg16(highlightColor), 8);
    EXPECT_EQ(getb16(highlightColor), 16);
}

TEST_F(ReadSettings, ComponentsOutsideTheByteAreClamped) {
    ASSERT_TRUE(readText("a 1 b 2 c 3 d 4 e 5 f 300 -4 0x100 g 7"));
    EXPECT_EQ(highlightColor, makecol16(255, 0, 255));
}

TEST_F(ReadSettings, AShortFileZeroesWhatAnEarlierReadSet) {
    ASSERT_TRUE(readText(WELL_LABELLED));
    ASSERT_TRUE(readText("a 8 b 16"));
    EXPECT_EQ(bandHeight, 8);
    EXPECT_EQ(panelWidth, 16);
    EXPECT_EQ(rosterTop, 0);
    EXPECT_EQ(rosterRowHeight, 0);
    EXPECT_EQ(tickMs, 0);
    EXPECT_EQ(highlightColor, 0);
    EXPECT_EQ(shotShowTicks, 0);
}

TEST_F(ReadSettings, AMissingFileIsReportedAndLeavesEverySettingZero) {
    ASSERT_TRUE(readText(WELL_LABELLED));
    std::filesystem::remove(path);
    EXPECT_FALSE(readSettings(path.c_str()));
    EXPECT_EQ(bandHeight, 0);
    EXPECT_EQ(panelWidth, 0);
    EXPECT_EQ(tickMs, 0);
    EXPECT_EQ(highlightColor, 0);
    EXPECT_EQ(shotShowTicks, 0);
}
} // namespace
