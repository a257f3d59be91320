#include "main/panes/free_space_query.h"

#include "tests/support/scripted_desktop.h"
#include "tests/support/settings_file_copy.h"
#include "tests/support/temp_drives.h"

#include "common/dos_fs_launch_environment.h"
#include "common/linux_dos_fs.h"
#include "common/linux_launcher.h"

#include <gtest/gtest.h>

namespace zr {

// The built zrtask, started by the real launcher, answers the query of a listing.
TEST(FreeSpaceQueryProgram, ReadsTheAnswerOfTheRealZrtask) {
    test::TempDrives drives("C");
    drives.make_folder("C:\\Zonderel");
    drives.settings().put("boot", "dir", "C:\\Zonderel");
    test::copy_to_settings_file(drives.settings(), {"drives", "boot"});
    // A deliberately wrong earlier answer that must not be read back.
    drives.make_file({.path = "C:\\Zonderel\\dskspcf.tmp",
                      .content = " -7 \r\n0000-0000\r\n",
                      .modified = QDateTime::currentDateTime().addSecs(-60)});

    const DosFsLaunchEnvironment environment(drives.fs(), QStringLiteral(ZR_PROGRAM_DIR_BUILT));
    LinuxLauncher launcher(environment, drives.settings());
    test::ScriptedDesktop desktop;
    // The desktop clock stands still at the real start, so the wait ends when zrtask ends.
    desktop.set_now(QDateTime::currentDateTime());
    desktop.set_pump_step(0);

    const FreeSpaceQuery query(drives.fs(), launcher, desktop, "C:\\Zonderel\\");
    const double free_space = query.ask("C:\\");

    const QByteArray answer = drives.content("C:\\Zonderel\\dskspcf.tmp");
    ASSERT_TRUE(answer.startsWith(' ')) << answer.toStdString();
    EXPECT_EQ(free_space, FreeSpaceQuery::answer_number(answer));
    EXPECT_GT(free_space, 0.0);
}

} // namespace zr
