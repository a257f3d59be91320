#include "main/startup/general_settings.h"
#include "main/startup/profile_settings.h"

#include "common/data_file.h"

#include <gtest/gtest.h>

namespace zr {

namespace {

const QSizeF screen_1024x768{1024 * 15, 768 * 15};

QByteArray lines(std::initializer_list<const char*> texts) {
    QByteArray bytes;
    for (const char* text : texts)
        bytes += QByteArray(text) + "\r\n";
    return bytes;
}

ProfileSettings saved_profile() {
    ProfileSettings p = new_profile_settings(QString::fromUtf8("Jürgen"), screen_1024x768);
    p.flags[2] = "1";
    p.flags[9] = "1";
    p.left = -480;
    p.top = 0;
    p.width = 12000;
    p.height = 9000;
    p.window_state = 2;
    p.pane0_view = "3";
    p.pane1_view = "2";
    p.panel_width = 6000;
    p.panel2_width = 3600;
    p.second_pane = "Ordner";
    p.toolbar_shown = "0";
    p.status_bar_shown = "1";
    p.menu_bar_ticked = "1";
    p.line29 = "kept, \"as it is\"";
    p.pane0_sort = 3;
    p.pane1_sort = std::nullopt;
    return p;
}

} // namespace

TEST(ProfileSettings, WritesThirtyTwoLinesInTheirForms) {
    const QByteArray expected = lines({
        "J\xfcrgen",
        "0",
        "0",
        "1",
        "0",
        "0",
        "0",
        "0",
        "0",
        "0",
        "1",
        "-480 ",
        " 0 ",
        " 12000 ",
        " 9000 ",
        " 2 ",
        "3",
        "2",
        " 6000 ",
        " 3600 ",
        " 7680 ",
        " 4608 ",
        "0",
        "Ordner",
        "0",
        "1",
        "1",
        "1",
        "kept, \"as it is\"",
        " 3 ",
        "",
        "0",
    });
    EXPECT_EQ(profile_file_bytes(saved_profile()), expected);
}

TEST(ProfileSettings, ReadsBackWhatItWrote) {
    const ProfileSettings written = saved_profile();
    const ProfileSettings read =
        read_profile_settings(profile_file_bytes(written), screen_1024x768);
    EXPECT_EQ(read.name, written.name);
    EXPECT_EQ(read.flags, written.flags);
    EXPECT_EQ(read.left, NumberValue(-480));
    EXPECT_EQ(read.width, NumberValue(12000));
    EXPECT_EQ(read.window_state, NumberValue(2));
    EXPECT_EQ(read.pane0_view, "3");
    EXPECT_EQ(read.reserved21, NumberValue(7680));
    EXPECT_EQ(read.second_pane, "Ordner");
    EXPECT_EQ(read.toolbar_shown, "0");
    EXPECT_EQ(read.menu_bar_ticked, "1");
    EXPECT_EQ(read.line29, written.line29);
    EXPECT_EQ(read.pane0_sort, NumberValue(3));
    EXPECT_EQ(read.pane1_sort, std::nullopt);
    EXPECT_EQ(profile_file_bytes(read), profile_file_bytes(written));
}

TEST(ProfileSettings, ANameLineAloneOrAnEmptySecondLineMakesANewProfile) {
    for (const QByteArray& content :
         {lines({"Gast"}), QByteArray("Gast"), lines({"Gast", "", "1", " 5 "})}) {
        EXPECT_TRUE(is_new_profile(content));
        const ProfileSettings p = read_profile_settings(content, screen_1024x768);
        EXPECT_EQ(p.name, "Gast");
        EXPECT_EQ(p.flags[2], "0"); // only the name is taken from the file
        EXPECT_EQ(p.width, NumberValue(15360 * 0.85));
        EXPECT_EQ(p.height, NumberValue(11520 * 0.82));
        EXPECT_EQ(p.top, NumberValue(11520 * 0.05));
        EXPECT_EQ(p.left, NumberValue(15360 - 15360 * 0.85 - 480));
        EXPECT_EQ(p.panel_width, NumberValue(15360 * 0.85 * 0.5));
        EXPECT_EQ(p.panel2_width, NumberValue(15360 * 0.85 * 0.3));
        EXPECT_EQ(p.reserved22, NumberValue(15360 * 0.3));
        EXPECT_EQ(p.pane0_view, "2");
        EXPECT_EQ(p.second_pane, "");
        EXPECT_EQ(p.toolbar_shown, "1");
        EXPECT_EQ(p.status_bar_shown, "1");
        EXPECT_EQ(p.pane1_sort, std::nullopt);
    }
    EXPECT_TRUE(is_new_profile(QByteArray()));
    EXPECT_EQ(
        profile_file_bytes(read_profile_settings(lines({"Gast"}), screen_1024x768)).count("\r\n"),
        32);
}

TEST(ProfileSettings, AShortOrGarbledFileLeavesTheRestAsItWas) {
    ProfileSettings base;
    base.height = 777;
    base.toolbar_shown = "1";
    base.pane1_sort = 2;
    const QByteArray short_file =
        lines({"Kurz", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", " 10 ", " 20 ", " 30 "});
    const ProfileSettings p = read_profile_lines(short_file, base);
    EXPECT_EQ(p.width, NumberValue(30));
    EXPECT_EQ(p.height, NumberValue(777));
    EXPECT_EQ(p.toolbar_shown, "1");
    EXPECT_EQ(p.pane1_sort, NumberValue(2));

    QByteArray garbled = short_file + lines({"Quatsch"});
    EXPECT_EQ(read_profile_lines(garbled, base).height, NumberValue(777));
}

TEST(ProfileSettings, CapturesViewsAndSortKeys) {
    EXPECT_EQ(view_line(3), "3");
    EXPECT_EQ(view_line(2), "2");
    EXPECT_EQ(view_line(0), "2");
    EXPECT_EQ(sort_line(0), NumberValue(0));
    EXPECT_EQ(sort_line(3), NumberValue(3));
    EXPECT_EQ(sort_line(4), std::nullopt);
    EXPECT_EQ(sort_line(-1), std::nullopt);
}

TEST(GeneralSettings, KeepsCounterPasswordAndFourLines) {
    GeneralSettings g;
    g.run_counter = 7;
    g.lock_password = "abc";
    g.lines = {"eins", "", "drei, mit Komma", "vier"};
    const QByteArray bytes = general_settings_bytes(g);
    EXPECT_EQ(bytes, lines({" 7 ", "bcd", "eins", "", "drei, mit Komma", "vier"}));
    const GeneralSettings read = read_general_settings(bytes, {});
    EXPECT_EQ(read.run_counter, NumberValue(7));
    EXPECT_EQ(read.lock_password, "abc");
    EXPECT_EQ(read.lines, g.lines);

    const GeneralSettings empty = read_general_settings(QByteArray(), {});
    EXPECT_EQ(empty.run_counter, std::nullopt);
    EXPECT_EQ(general_settings_bytes(empty), lines({"", "", "", "", "", ""}));
}

TEST(GeneralSettings, TheRunCounterClimbsToTwentyThenCyclesFromTen) {
    EXPECT_EQ(next_run_counter(std::nullopt), NumberValue(1));
    EXPECT_EQ(next_run_counter(0), NumberValue(1));
    EXPECT_EQ(next_run_counter(19), NumberValue(20));
    EXPECT_EQ(next_run_counter(20), NumberValue(10));
    EXPECT_EQ(print_form(next_run_counter(20)), " 10 ");
}

} // namespace zr
