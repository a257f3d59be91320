#include "common/dos_fs_launch_environment.h"
#include "tests/support/mock_dos_fs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zr {

namespace {

using testing::Return;

TEST(DosFsLaunchEnvironment, MapsPathsForReadingAndTheCurrentFolderThroughTheDriveLayer) {
    test::MockDosFs dos_fs;
    EXPECT_CALL(dos_fs, host_path_for_reading(QStringLiteral("C:\\AUTORUN.INF")))
        .WillOnce(Return(Result<QString>(QStringLiteral("/host/c/autorun.inf"))));
    EXPECT_CALL(dos_fs, host_path_for_reading(QStringLiteral("Q:\\x")))
        .WillOnce(Return(Result<QString>(ErrorCode::bad_drive)));
    EXPECT_CALL(dos_fs, current_directory()).WillOnce(Return(QStringLiteral("C:\\work")));
    EXPECT_CALL(dos_fs, host_path(QStringLiteral("C:\\work")))
        .WillOnce(Return(Result<QString>(QStringLiteral("/host/c/work"))));
    const DosFsLaunchEnvironment environment(dos_fs, QStringLiteral("/opt/zr"));

    EXPECT_EQ(environment.to_host(QStringLiteral("C:\\AUTORUN.INF")),
              QStringLiteral("/host/c/autorun.inf"));
    EXPECT_FALSE(environment.to_host(QStringLiteral("Q:\\x")).has_value());
    EXPECT_EQ(environment.current_folder(), QStringLiteral("/host/c/work"));
    EXPECT_EQ(environment.executable_folder(), QStringLiteral("/opt/zr"));
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
    test::MockDosFs dos_fs;
    const DosFsLaunchEnvironment environment(dos_fs);

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
