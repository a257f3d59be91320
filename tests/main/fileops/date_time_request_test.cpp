#include "main/fileops/date_time_request.h"

#include "tests/support/recording_launcher.h"
#include "tests/support/temp_drives.h"

#include "common/linux_dos_fs.h"

#include <gtest/gtest.h>

namespace zr {

namespace {

const QString stamp_path = QStringLiteral("C:\\Zonderel\\~setdate.tmp");
const QString request_path = QStringLiteral("C:\\Zonderel\\~setdatetime.tmp");

class DateTimeRequestTest : public testing::Test {
protected:
    void SetUp() override { m_drives.make_folder("C:\\Zonderel"); }

    Status send(const QString& name, const std::optional<QDateTime>& moment) {
        return DateTimeRequest(m_drives.fs(), m_launcher, "C:\\Zonderel\\").send(name, moment);
    }

    test::TempDrives m_drives{"C"};
    test::RecordingLauncher m_launcher;
};

} // namespace

TEST_F(DateTimeRequestTest, PreparesBothFilesAndStartsZrtaskWithoutWaiting) {
    const QDateTime christmas(QDate(1999, 12, 24), QTime(14, 30, 0));
    m_launcher.set_polls_until_end(-1);
    ASSERT_TRUE(send("Bücher.txt", christmas));
    EXPECT_EQ(m_drives.content(stamp_path), QByteArray());
    EXPECT_EQ(m_drives.fs().modified(stamp_path).value(), christmas);
    EXPECT_EQ(m_drives.content(request_path), "B\xfc"
                                              "cher.txt\r\n");
    ASSERT_EQ(m_launcher.records().size(), 1);
    EXPECT_EQ(m_launcher.records()[0].command_line, "C:\\Zonderel\\zrtask.exe /setdatetime");
    EXPECT_EQ(m_launcher.records()[0].style, WindowStyle::normal_focus);
    EXPECT_EQ(m_launcher.handle(0)->polls(), 0);
}

TEST_F(DateTimeRequestTest, ThePresentMomentIsTheStampFilesOwnTime) {
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    ASSERT_TRUE(send("brief.txt", std::nullopt));
    const QDateTime stamped = m_drives.fs().modified(stamp_path).value();
    EXPECT_GE(stamped, before);
    EXPECT_LE(stamped, QDateTime::currentDateTime().addSecs(1));
}

TEST_F(DateTimeRequestTest, ANameTheRequestFileCannotCarryFailsQuietly) {
    for (const QString& name :
         {QStringLiteral("Ω.txt"), QStringLiteral("a\nbrief.txt"), QStringLiteral("a\rb")}) {
        EXPECT_EQ(send(name, std::nullopt).error(), ErrorCode::bad_file_name);
        EXPECT_FALSE(m_drives.host_exists(stamp_path));
        EXPECT_FALSE(m_drives.host_exists(request_path));
    }
    EXPECT_TRUE(m_launcher.records().isEmpty());
}

TEST_F(DateTimeRequestTest, EveryStepIsTriedAndTheFirstFailureReported) {
    m_launcher.set_starts_fail(true);
    EXPECT_EQ(send("brief.txt", QDateTime()).error(), ErrorCode::path_access);
    EXPECT_TRUE(m_drives.host_exists(request_path));
    EXPECT_EQ(m_launcher.records().size(), 1);
    EXPECT_EQ(send("brief.txt", std::nullopt).error(), ErrorCode::file_not_found);
}

} // namespace zr
