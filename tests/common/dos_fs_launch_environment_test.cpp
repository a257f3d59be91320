#include "common/dos_fs_launch_environment.h"
#include "tests/support/temp_drives.h"

#include "common/command_line_planner.h"
#include "common/linux_dos_fs.h"
#include "common/tool_table.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zr {

namespace {

TEST(DosFsLaunchEnvironment, PlansLinesOverTheRealDriveLayer) {
    test::TempDrives drives("CD");
    drives.make_folder("C:\\Arbeit");
    drives.make_file("C:\\Arbeit\\-rf", "kein Schalter");
    drives.make_file("D:\\AUTORUN.INF", "[autorun]");
    ASSERT_TRUE(drives.fs().change_directory("C:\\Arbeit"));
    const DosFsLaunchEnvironment environment(drives.fs(), QStringLiteral("/opt/zr"));
    const ToolTable tools(drives.settings());
    const CommandLinePlanner planner(environment, tools);

    EXPECT_EQ(environment.to_host("D:\\autorun.inf"), drives.host("D:\\AUTORUN.INF"));
    EXPECT_FALSE(environment.to_host("Q:\\x").has_value());
    EXPECT_EQ(environment.current_folder(), drives.host("C:\\Arbeit"));
    EXPECT_EQ(environment.executable_folder(), "/opt/zr");

    const Result<LaunchPlan> opened = planner.plan("explorer \"D:\\AUTORUN.INF\"");
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->arguments, QStringList{drives.host("D:\\AUTORUN.INF")});

    const Result<LaunchPlan> listed = planner.plan("env -rf");
    ASSERT_TRUE(listed);
    EXPECT_EQ(listed->arguments, QStringList{drives.host("C:\\Arbeit\\-rf")});
    EXPECT_EQ(listed->working_directory, drives.host("C:\\Arbeit"));

    // Our own programs start in the folder the line names them in, which is where they look
    // for the program directory.
    drives.make_folder("C:\\Prog");
    drives.make_file("C:\\Prog\\zrtask", "");
    ASSERT_TRUE(QFile::setPermissions(drives.host("C:\\Prog\\zrtask"),
                                      QFile::ReadOwner | QFile::ExeOwner));
    const Result<LaunchPlan> task = planner.plan("C:\\Prog\\zrtask.exe c");
    ASSERT_TRUE(task);
    EXPECT_EQ(task->program, drives.host("C:\\Prog\\zrtask"));
    EXPECT_EQ(task->arguments, QStringList{"c"});
    EXPECT_EQ(task->working_directory, drives.host("C:\\Prog"));
}

TEST(DosFsLaunchEnvironment, TellsProgramsFromOtherFiles) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString program = folder.filePath(QStringLiteral("werkzeug"));
    const QString text = folder.filePath(QStringLiteral("notes.txt"));
    for (const QString& path : {program, text}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
    test::TempDrives drives("C");
    const DosFsLaunchEnvironment environment(drives.fs());

    EXPECT_TRUE(environment.is_executable(program));
    EXPECT_FALSE(environment.is_executable(text));
    EXPECT_FALSE(environment.is_executable(folder.path()));
    EXPECT_TRUE(environment.exists(text));
    EXPECT_TRUE(environment.exists(folder.path()));
    EXPECT_FALSE(environment.exists(folder.filePath(QStringLiteral("fehlt"))));
    EXPECT_FALSE(environment.find_on_path(QStringLiteral("zr-gibt-es-nicht")).has_value());
    EXPECT_TRUE(environment.find_on_path(QStringLiteral("env")).has_value());
}

} // namespace

} // namespace zr
