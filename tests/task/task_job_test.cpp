#include "task/task_job.h"

#include <gtest/gtest.h>

namespace zr {

TEST(TaskJob, TheSwitchIsComparedExactlyAndAnythingElseIsADrive) {
    const struct {
        const char* argument;
        TaskJob job;
    } cases[] = {
        {"", TaskJob::none},
        {"/setdatetime", TaskJob::set_date_time},
        {"/SETDATETIME", TaskJob::free_space},
        {"/setdatetime ", TaskJob::free_space},
        {" /setdatetime", TaskJob::free_space},
        {"C", TaskJob::free_space},
        {"\\", TaskJob::free_space},
    };
    for (const auto& c : cases)
        EXPECT_EQ(task_job(QString::fromLatin1(c.argument)), c.job) << c.argument;
}

TEST(TaskJob, TheArgumentTextIsTheTailOfTheCommandLine) {
    EXPECT_EQ(task_argument_text({}), "");
    EXPECT_EQ(task_argument_text({"/setdatetime"}), "/setdatetime");
    EXPECT_EQ(task_argument_text({"a", "b"}), "a b");
}

} // namespace zr
