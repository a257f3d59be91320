#include "common/linux_dos_fs.h"

#include "tests/support/temp_drives.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <unistd.h>

namespace zr {
namespace {

QString process_directory() {
    char buffer[PATH_MAX];
    return getcwd(buffer, sizeof buffer) ? QString::fromUtf8(buffer) : QString();
}

// C: and D: of their own, and E: inside C:'s folder for the longest match.
class DosPathsTest : public testing::Test {
protected:
    void SetUp() override {
        m_drives.make_folder("C:\\work");
        m_drives.make_folder("C:\\nested");
        m_drives.make_folder("D:\\dd");
        m_drives.settings().put("drives", "e", m_drives.root(u'C') + "/nested");
        ASSERT_TRUE(m_drives.fs().change_drive(u'C'));
        ASSERT_TRUE(m_drives.fs().change_directory("C:\\work"));
        ASSERT_TRUE(m_drives.fs().change_directory("D:\\dd"));
    }

    test::TempDrives m_drives{"CD"};
};

TEST_F(DosPathsTest, MapsDosPathsToHostPaths) {
    const QString c = m_drives.root(u'C');
    const QString d = m_drives.root(u'D');
    struct Case {
        const char* dos;
        QString full;
        QString host;
    };
    const Case cases[] = {
        {"a\\b", "C:\\work\\a\\b", c + "/work/a/b"},
        {"..\\x", "C:\\x", c + "/x"},
        {"C:\\..\\x", "C:\\x", c + "/x"},
        {"\\x\\..\\..\\y", "C:\\y", c + "/y"},
        {".", "C:\\work", c + "/work"},
        {"C:", "C:\\work", c + "/work"},
        {"D:a", "D:\\dd\\a", d + "/dd/a"},
        {"d:\\A\\.\\b", "D:\\A\\b", d + "/A/b"},
        {"D:\\", "D:\\", d},
        {"C:/a/b", "C:\\a\\b", c + "/a/b"},
        {"E:\\f", "E:\\f", c + "/nested/f"},
        {"C:\\*", "C:\\*", c + "/*"},
    };
    for (const Case& cs : cases) {
        EXPECT_EQ(m_drives.fs().full_path(cs.dos).value_or("?"), cs.full) << cs.dos;
        EXPECT_EQ(m_drives.fs().host_path(cs.dos).value_or("?"), cs.host) << cs.dos;
    }
}

TEST_F(DosPathsTest, RefusesUnmappedDrivesAndBadNames) {
    EXPECT_EQ(m_drives.fs().full_path("Q:\\x").error(), ErrorCode::bad_drive);
    EXPECT_EQ(m_drives.fs().host_path("q:x").error(), ErrorCode::bad_drive);
    EXPECT_EQ(m_drives.fs().host_path(QString("C:\\a") + QChar(u'\0') + "b").error(),
              ErrorCode::bad_file_name);
}

TEST_F(DosPathsTest, MapsHostPathsBackByTheLongestDriveFolder) {
    const QString c = m_drives.root(u'C');
    struct Case {
        QString host;
        std::optional<QString> dos;
    };
    const Case cases[] = {
        {c, "C:\\"},
        {c + "/", "C:\\"},
        {c + "/a/b", "C:\\a\\b"},
        {c + "/a/../b", "C:\\b"},
        {c + "/nested", "E:\\"},
        {c + "/nested/x", "E:\\x"},
        {c + "/nestedx", "C:\\nestedx"},
        {m_drives.base() + "/elsewhere", std::nullopt},
        {c + "/a\\b", std::nullopt},
        {"relative/a", std::nullopt},
    };
    for (const Case& cs : cases)
        EXPECT_EQ(m_drives.fs().dos_path(cs.host), cs.dos) << cs.host.toStdString();
}

TEST_F(DosPathsTest, ReadingAcceptsOneMatchDifferingInCase) {
    m_drives.make_folder("C:\\Docs");
    m_drives.make_file("C:\\Docs\\ReadMe.TXT", "hallo");
    m_drives.make_file("C:\\Docs\\x.txt");
    m_drives.make_file("C:\\Docs\\X.TXT");
    const QString c = m_drives.root(u'C');
    EXPECT_EQ(*m_drives.fs().host_path_for_reading("C:\\DOCS\\readme.txt"), c + "/Docs/ReadMe.TXT");
    EXPECT_EQ(*m_drives.fs().host_path_for_reading("C:\\Docs\\x.txt"), c + "/Docs/x.txt");
    EXPECT_EQ(*m_drives.fs().host_path_for_reading("C:\\docs\\X.Txt"), c + "/Docs/X.Txt");
    EXPECT_EQ(*m_drives.fs().host_path("C:\\DOCS\\readme.txt"), c + "/DOCS/readme.txt");
    EXPECT_EQ(m_drives.fs().read_file("c:\\docs\\README.txt").value_or("?"), QByteArray("hallo"));
    EXPECT_EQ(m_drives.fs().read_file("C:\\Docs\\X.tXt").error(), ErrorCode::file_not_found);
}

TEST_F(DosPathsTest, ChangingIntoAnotherDrivesFolderKeepsTheCurrentDrive) {
    m_drives.make_folder("D:\\dd\\sub");
    ASSERT_TRUE(m_drives.fs().change_directory("D:sub"));
    EXPECT_EQ(m_drives.fs().current_drive(), QChar(u'C'));
    EXPECT_EQ(m_drives.fs().current_directory(), QStringLiteral("C:\\work"));
    EXPECT_EQ(m_drives.fs().current_directory(u'd'), QStringLiteral("D:\\dd\\sub"));
    EXPECT_EQ(process_directory(), m_drives.root(u'C') + "/work");
}

TEST_F(DosPathsTest, ChangingTheDriveKeepsEachDrivesDirectory) {
    ASSERT_TRUE(m_drives.fs().change_drive(u'd'));
    EXPECT_EQ(m_drives.fs().current_directory(), QStringLiteral("D:\\dd"));
    EXPECT_EQ(process_directory(), m_drives.root(u'D') + "/dd");
    EXPECT_EQ(QString::fromUtf8(getenv("PWD")), m_drives.root(u'D') + "/dd");
    EXPECT_EQ(m_drives.fs().current_directory(u'C'), QStringLiteral("C:\\work"));
    EXPECT_EQ(m_drives.fs().full_path("x").value_or("?"), QStringLiteral("D:\\dd\\x"));
    ASSERT_TRUE(m_drives.fs().change_drive(u'C'));
    EXPECT_EQ(m_drives.fs().current_directory(), QStringLiteral("C:\\work"));
    EXPECT_EQ(m_drives.fs().current_directory(u'E'), QStringLiteral("E:\\"));
}

TEST_F(DosPathsTest, FailedChangeChangesNothing) {
    m_drives.make_file("C:\\work\\file.txt");
    struct Case {
        const char* path;
        ErrorCode error;
    };
    const Case cases[] = {
        {"C:\\missing", ErrorCode::path_not_found},
        {"file.txt", ErrorCode::path_not_found},
        {"D:\\dd\\missing\\deeper", ErrorCode::path_not_found},
        {"Q:\\", ErrorCode::bad_drive},
    };
    for (const Case& cs : cases)
        EXPECT_EQ(m_drives.fs().change_directory(cs.path).error(), cs.error) << cs.path;
    EXPECT_EQ(m_drives.fs().change_drive(u'Q').error(), ErrorCode::bad_drive);
    EXPECT_EQ(m_drives.fs().current_drive(), QChar(u'C'));
    EXPECT_EQ(m_drives.fs().current_directory(), QStringLiteral("C:\\work"));
    EXPECT_EQ(m_drives.fs().current_directory(u'D'), QStringLiteral("D:\\dd"));
    EXPECT_EQ(process_directory(), m_drives.root(u'C') + "/work");
}

TEST_F(DosPathsTest, ChangeIntoTheCurrentDriveMirrorsTheProcess) {
    ASSERT_TRUE(m_drives.fs().change_directory("\\"));
    EXPECT_EQ(m_drives.fs().current_directory(), QStringLiteral("C:\\"));
    EXPECT_EQ(process_directory(), m_drives.root(u'C'));
    EXPECT_EQ(QString::fromUtf8(getenv("PWD")), m_drives.root(u'C'));
}

TEST_F(DosPathsTest, StartsInTheDriveOfTheWorkingDirectory) {
    ASSERT_EQ(chdir((m_drives.root(u'D') + "/dd").toUtf8().constData()), 0);
    LinuxDosFs& fs = m_drives.rebuild_fs();
    EXPECT_EQ(fs.current_drive(), QChar(u'D'));
    EXPECT_EQ(fs.current_directory(), QStringLiteral("D:\\dd"));
    EXPECT_EQ(fs.current_directory(u'C'), QStringLiteral("C:\\"));
}

TEST_F(DosPathsTest, StartsInCWhenTheWorkingDirectoryIsOutsideEveryDrive) {
    ASSERT_EQ(chdir(m_drives.base().toUtf8().constData()), 0);
    LinuxDosFs& fs = m_drives.rebuild_fs();
    EXPECT_EQ(fs.current_drive(), QChar(u'C'));
    EXPECT_EQ(fs.current_directory(), QStringLiteral("C:\\"));
    EXPECT_EQ(process_directory(), m_drives.root(u'C'));
}

TEST(DosPathsStartTest, StartsInTheFirstDriveWithoutC) {
    test::TempDrives drives("DF");
    ASSERT_EQ(chdir(drives.base().toUtf8().constData()), 0);
    EXPECT_EQ(drives.fs().current_drive(), QChar(u'D'));
    EXPECT_EQ(drives.fs().current_directory(), QStringLiteral("D:\\"));
}

} // namespace
} // namespace zr
