#include "tests/support/settings_file_copy.h"
#include "tests/support/temp_drives.h"

#include "common/linux_dos_fs.h"

#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace zr {

namespace {

// The built zrtask, run as zrmain runs it: one argument, the working directory inherited.
class ZrtaskProgramTest : public testing::Test {
protected:
    void SetUp() override {
        m_drives.make_folder("C:\\Zonderel");
        m_drives.make_folder("C:\\Daten");
        m_drives.settings().put("boot", "dir", "C:\\Zonderel");
        test::copy_to_settings_file(m_drives.settings(), {"drives", "boot"});
    }

    void run(const QStringList& arguments) {
        QProcess task;
        task.setWorkingDirectory(m_drives.host("C:\\Daten"));
        task.start(QStringLiteral(ZR_PROGRAM_DIR_BUILT "/zrtask"), arguments);
        ASSERT_TRUE(task.waitForFinished(-1));
        EXPECT_EQ(task.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(task.exitCode(), 0);
    }

    QByteArray answer() const { return m_drives.content("C:\\Zonderel\\dskspcf.tmp"); }

    test::TempDrives m_drives{"C"};
};

} // namespace

TEST_F(ZrtaskProgramTest, AnswersForAMappedDriveInBothLineForms) {
    run({"C"});
    const QRegularExpression form(QStringLiteral("^ [1-9][0-9]*(,[0-9]+)? \r\n"
                                                 "[0-9A-F]{4}-[0-9A-F]{4}\r\n$"));
    EXPECT_TRUE(form.match(QString::fromLatin1(answer())).hasMatch()) << answer().toStdString();
}

TEST_F(ZrtaskProgramTest, AnswersZeroForWhatIsNoMappedDrive) {
    for (const char* argument : {"/SETDATETIME", "Q", "\\"}) {
        run({QString::fromLatin1(argument)});
        EXPECT_EQ(answer(), " 0 \r\n0000-0000\r\n") << argument;
    }
}

TEST_F(ZrtaskProgramTest, WithoutAnArgumentTouchesNoFile) {
    m_drives.make_file("C:\\Zonderel\\~setdatetime.tmp", "brief.txt\r\n");
    run({});
    EXPECT_FALSE(m_drives.host_exists("C:\\Zonderel\\dskspcf.tmp"));
    EXPECT_TRUE(m_drives.host_exists("C:\\Zonderel\\~setdatetime.tmp"));
}

TEST_F(ZrtaskProgramTest, StampsTheFileOfItsWorkingDirectory) {
    const QDateTime christmas(QDate(1999, 12, 24), QTime(14, 30, 0));
    m_drives.make_file("C:\\Daten\\brief.txt", "x");
    m_drives.make_file("C:\\Zonderel\\~setdatetime.tmp", "brief.txt\r\n");
    m_drives.make_file({.path = "C:\\Zonderel\\~setdate.tmp", .modified = christmas});
    run({"/setdatetime"});
    EXPECT_EQ(m_drives.fs().modified("C:\\Daten\\brief.txt").value(), christmas);
    EXPECT_FALSE(m_drives.host_exists("C:\\Zonderel\\~setdatetime.tmp"));
    EXPECT_FALSE(m_drives.host_exists("C:\\Zonderel\\~setdate.tmp"));
}

} // namespace zr
