#include "common/command_line_planner.h"
#include "common/tool_table.h"
#include "tests/support/fake_launch_environment.h"
#include "tests/support/memory_settings_store.h"

#include <gtest/gtest.h>

namespace zr {

namespace {

// Drive C: and a removable A: with a device; D: fixed and E: removable, both without one.
test::FakeLaunchEnvironment make_environment() {
    test::FakeLaunchEnvironment environment;
    environment.add_drive({u'C', QStringLiteral("/host/c"), DriveType::fixed, {}, {}});
    environment.add_drive({u'A', QStringLiteral("/media/a"), DriveType::removable,
                           QStringLiteral("ALT"), QStringLiteral("/dev/sdz1")});
    environment.add_drive({u'D', QStringLiteral("/host/d"), DriveType::fixed, {}, {}});
    environment.add_drive({u'E', QStringLiteral("/media/e"), DriveType::removable, {}, {}});
    environment.set_current_folder(QStringLiteral("/host/c/work"));
    environment.set_executable_folder(QStringLiteral("/opt/zr"));
    for (const char* program :
         {"/opt/zr/zrtask", "/opt/zr/zrguide", "/opt/zr/volgraph",
          "/host/c/Programme/Mein Tool/x.exe", "/host/c/bin/viewer", "/host/c/Tools/FORMAT.COM"})
        environment.add_program(QString::fromUtf8(program));
    for (const char* file :
         {"/host/c/work/-rf", "/host/c/work/notes.txt", "/host/c/Mein Ordner/x.txt"})
        environment.add_file(QString::fromUtf8(file));
    for (const char* name : {"mkfs.vfat", "fatlabel"})
        environment.add_to_path(QString::fromUtf8(name),
                                QStringLiteral("/usr/sbin/") + QString::fromUtf8(name));
    for (const char* name : {"cat", "x-terminal-emulator"})
        environment.add_to_path(QString::fromUtf8(name),
                                QStringLiteral("/usr/bin/") + QString::fromUtf8(name));
    return environment;
}

struct PlanCase {
    const char* line;
    const char* program;
    QStringList arguments;
};

void PrintTo(const PlanCase& c, std::ostream* out) {
    *out << c.line;
}

class PlannedLine : public testing::TestWithParam<PlanCase> {};

TEST_P(PlannedLine, GivesProgramAndArguments) {
    const test::FakeLaunchEnvironment environment = make_environment();
    const test::MemorySettingsStore settings;
    const ToolTable tools(settings);
    const Result<LaunchPlan> plan =
        CommandLinePlanner(environment, tools).plan(QString::fromUtf8(GetParam().line));
    ASSERT_TRUE(plan.ok()) << code_number(plan.error());
    EXPECT_EQ(plan->program, QString::fromUtf8(GetParam().program));
    EXPECT_EQ(plan->arguments, GetParam().arguments);
    EXPECT_EQ(plan->working_directory, QStringLiteral("/host/c/work"));
}

QString s(const char* text) {
    return QString::fromUtf8(text);
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, PlannedLine,
    testing::Values(
        PlanCase{R"("C:\Programme\Mein Tool\x.exe" "a b" c)",
                 "/host/c/Programme/Mein Tool/x.exe",
                 {s("a b"), s("c")}},
        PlanCase{R"(C:\Programme\Mein Tool\x.exe /s notes.txt)",
                 "/host/c/Programme/Mein Tool/x.exe",
                 {s("/s"), s("/host/c/work/notes.txt")}},
        PlanCase{
            R"(explorer "C:\Mein Ordner\x.txt")", "xdg-open", {s("/host/c/Mein Ordner/x.txt")}},
        PlanCase{R"(EXPLORER https://www.example.de/hilfe?a=1)",
                 "xdg-open",
                 {s("https://www.example.de/hilfe?a=1")}},
        PlanCase{R"(explorer mailto:info@example.de)", "xdg-open", {s("mailto:info@example.de")}},
        PlanCase{R"(cat -rf notes.txt fehlt)",
                 "/usr/bin/cat",
                 {s("/host/c/work/-rf"), s("/host/c/work/notes.txt"), s("fehlt")}},
        PlanCase{
            R"(COMMAND.COM /C FORMAT.COM /Q/Autotest a:)", "/usr/sbin/mkfs.vfat", {s("/dev/sdz1")}},
        PlanCase{R"(FORMAT.COM a:)", "/usr/sbin/mkfs.vfat", {s("-c"), s("/dev/sdz1")}},
        PlanCase{R"(label.exe a: -Mein Etikett)",
                 "/usr/sbin/fatlabel",
                 {s("--"), s("/dev/sdz1"), s("-Mein Etikett")}},
        PlanCase{R"(zrtask.exe /setdatetime)", "/opt/zr/zrtask", {s("/setdatetime")}},
        PlanCase{"zrtask.exe  c:\\x  ", "/opt/zr/zrtask", {s(" c:\\x  ")}},
        PlanCase{R"(zrtask.exe)", "/opt/zr/zrtask", {}},
        PlanCase{R"("C:\Programme\Zonderel\zrguide.exe" 03)", "/opt/zr/zrguide", {s("03")}},
        PlanCase{R"(C:\bin\viewer.exe "C:\Mein Ordner\x.txt")",
                 "/host/c/bin/viewer",
                 {s("/host/c/Mein Ordner/x.txt")}},
        PlanCase{R"(C:\Tools\FORMAT.COM a:)", "/host/c/Tools/FORMAT.COM", {s("/media/a")}},
        PlanCase{R"(scandskw.exe a:)",
                 "/usr/bin/x-terminal-emulator",
                 {s("-e"), s("fsck"), s("-n"), s("/dev/sdz1")}},
        PlanCase{R"(scandskw.exe d:)", "/usr/bin/x-terminal-emulator", {}},
        PlanCase{R"(dos.exe)", "/usr/bin/x-terminal-emulator", {}},
        PlanCase{R"(COMMAND.COM)", "/usr/bin/x-terminal-emulator", {}},
        PlanCase{R"(ST5UNST.EXE C:\Programme\Zonderel\ST6UNST.LOG)",
                 "/opt/zr/uninstall-tool",
                 {s("/host/c/Programme/Zonderel/ST6UNST.LOG")}}));

struct RefusedCase {
    const char* line;
    ErrorCode error;
};

void PrintTo(const RefusedCase& c, std::ostream* out) {
    *out << c.line;
}

class RefusedLine : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedLine, FailsWithTheSystemsError) {
    const test::FakeLaunchEnvironment environment = make_environment();
    const test::MemorySettingsStore settings;
    const ToolTable tools(settings);
    const Result<LaunchPlan> plan =
        CommandLinePlanner(environment, tools).plan(QString::fromUtf8(GetParam().line));
    EXPECT_EQ(plan.error(), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, RefusedLine,
    testing::Values(RefusedCase{"notepad.exe notes.txt", ErrorCode::file_not_found},
                    RefusedCase{"C:\\Programme\\Mein x.exe", ErrorCode::file_not_found},
                    RefusedCase{"", ErrorCode::file_not_found},
                    RefusedCase{"FORMAT.COM /Q d:", ErrorCode::path_access},
                    RefusedCase{"FORMAT.COM /Q e:", ErrorCode::path_access},
                    RefusedCase{"FORMAT.COM /Q q:", ErrorCode::bad_drive},
                    RefusedCase{"FORMAT.COM /Q", ErrorCode::bad_drive},
                    RefusedCase{"label.exe d: Neu", ErrorCode::path_access}));

TEST(CommandLinePlanner, ToolTemplateFromSettingsKeepsTheLabelOneWord) {
    const test::FakeLaunchEnvironment environment = make_environment();
    test::MemorySettingsStore settings;
    settings.put(QStringLiteral("Tools"), QStringLiteral("LABEL.EXE"),
                 QStringLiteral(R"(mlabel -i {device} "::{label}")"));
    const ToolTable tools(settings);
    const Result<LaunchPlan> plan =
        CommandLinePlanner(environment, tools).plan(QStringLiteral("LABEL.EXE a:-x {cwd}"));
    ASSERT_TRUE(plan.ok());
    EXPECT_EQ(plan->program, QStringLiteral("mlabel"));
    EXPECT_EQ(plan->arguments, (QStringList{s("-i"), s("/dev/sdz1"), s("::-x {cwd}")}));
}

TEST(CommandLinePlanner, ShortestExistingPrefixWinsOverALongerOne) {
    test::FakeLaunchEnvironment environment = make_environment();
    environment.add_program(QStringLiteral("/host/c/Programme/Mein"));
    const test::MemorySettingsStore settings;
    const ToolTable tools(settings);
    const Result<LaunchPlan> plan = CommandLinePlanner(environment, tools)
                                        .plan(QStringLiteral(R"(C:\Programme\Mein Tool\x.exe)"));
    ASSERT_TRUE(plan.ok());
    EXPECT_EQ(plan->program, QStringLiteral("/host/c/Programme/Mein"));
    EXPECT_EQ(plan->arguments, QStringList{s("/host/c/work/Tool/x.exe")});
}

} // namespace

} // namespace zr
