#include "main/startup/form8.h"

#include "tests/support/fixed_battery.h"
#include "tests/support/scripted_desktop.h"
#include "tests/support/temp_drives.h"

#include "common/linux_dos_fs.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace zr {

TEST(Form8, ListsTheDrivesWithTheirLabels) {
    test::TempDrives drives("C");
    drives.add_drive('D', {DriveType::removable, "STICK", "/dev/sdz1"});
    drives.add_drive('E', {DriveType::cdrom, "", ""});
    test::FixedBattery battery;
    test::ScriptedDesktop desktop;
    const Form8 form(drives.fs(), battery, desktop);
    ASSERT_EQ(form.Drive1.size(), 3);
    EXPECT_EQ(form.Drive1[0].text.left(2), "c:");
    EXPECT_EQ(form.Drive1[1].text, "d: [STICK]");
    EXPECT_EQ(form.Drive1[1].letter, QChar('D'));
    EXPECT_EQ(form.Drive1[2].text.left(2), "e:");
}

TEST(Form8, ReportsTheBatteryAndTheWorkArea) {
    test::TempDrives drives("C");
    test::FixedBattery battery;
    test::ScriptedDesktop desktop;
    desktop.set_screen({1280, 800}, {0, 0, 1280, 770});
    const Form8 form(drives.fs(), battery, desktop);
    EXPECT_EQ(form.SysInfo1.battery_charge(), 255);
    battery.charge = 14;
    EXPECT_EQ(form.SysInfo1.battery_charge(), 14);
    EXPECT_EQ(form.SysInfo1.work_area_height(), 770 * 15);
}

TEST(Form8, TheScreenWidthWatchLaysOutOnTheFirstTickAndOnEveryChange) {
    test::TempDrives drives("C");
    test::FixedBattery battery;
    test::ScriptedDesktop desktop;
    Form8 form(drives.fs(), battery, desktop);
    EXPECT_EQ(form.Timer2.interval(), 1000);
    EXPECT_TRUE(form.Timer2.isActive());
    QSignalSpy layouts(&form, &Form8::layout_needed);
    form.timer2_timer();
    form.timer2_timer();
    EXPECT_EQ(layouts.count(), 1);
    desktop.set_screen({1920, 1080}, {0, 0, 1920, 1040});
    form.timer2_timer();
    form.timer2_timer();
    EXPECT_EQ(layouts.count(), 2);
}

} // namespace zr
