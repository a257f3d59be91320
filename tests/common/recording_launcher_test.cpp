#include "tests/support/recording_launcher.h"

#include <gtest/gtest.h>

namespace zr {

namespace {

TEST(RecordingLauncher, RecordsLinesAndEndsHandlesWhenTheTestSays) {
    test::RecordingLauncher launcher;
    launcher.set_polls_until_end(2);
    const auto first = launcher.start(QStringLiteral("zrtask.exe c"), WindowStyle::hidden);
    launcher.set_polls_until_end(-1);
    const auto second =
        launcher.start(QStringLiteral("explorer C:\\x.txt"), WindowStyle::maximized_focus);

    EXPECT_EQ(launcher.command_lines(),
              (QStringList{QStringLiteral("zrtask.exe c"), QStringLiteral("explorer C:\\x.txt")}));
    EXPECT_EQ(launcher.records()[1].style, WindowStyle::maximized_focus);
    EXPECT_TRUE(first->running());
    EXPECT_TRUE(first->running());
    EXPECT_FALSE(first->running());
    EXPECT_TRUE(second->running());
    launcher.handle(1)->finish();
    EXPECT_FALSE(second->running());
}

TEST(RecordingLauncher, FailingStartsAreRecordedToo) {
    test::RecordingLauncher launcher;
    launcher.set_starts_fail(true);
    const auto handle = launcher.start(QStringLiteral("volgraph.exe"), WindowStyle::normal_focus);
    EXPECT_FALSE(handle->started());
    EXPECT_FALSE(handle->running());
    EXPECT_EQ(launcher.command_lines(), QStringList{QStringLiteral("volgraph.exe")});
}

} // namespace

} // namespace zr
