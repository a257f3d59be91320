#include "common/linux_launcher.h"
#include "tests/support/fake_launch_environment.h"
#include "tests/support/memory_settings_store.h"

#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace zr {

namespace {

// Polls until the program has ended; the cap only keeps a broken handle from hanging the run.
bool wait_until_ended(const LaunchHandle& handle) {
    for (int poll = 0; poll < 6000; ++poll) {
        if (!handle.running())
            return true;
        QThread::msleep(10);
    }
    return false;
}

class LinuxLauncherTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        m_environment.add_drive({u'C', m_folder.path(), DriveType::fixed, {}, {}});
        m_environment.set_current_folder(m_folder.path());
    }

    QString host(const QString& name) const { return m_folder.filePath(name); }

    QTemporaryDir m_folder;
    test::FakeLaunchEnvironment m_environment;
    test::MemorySettingsStore m_settings;
};

TEST_F(LinuxLauncherTest, StartsAProgramOnADriveAndSeesItEnd) {
    // A copy of cp: its result shows the arguments and the working directory it got.
    ASSERT_TRUE(QFile::copy(QStringLiteral("/bin/cp"), host(QStringLiteral("kopie"))));
    ASSERT_TRUE(QFile::setPermissions(host(QStringLiteral("kopie")),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QFile source(host(QStringLiteral("-v")));
    ASSERT_TRUE(source.open(QIODevice::WriteOnly));
    source.write("hallo");
    source.close();
    m_environment.add_program(host(QStringLiteral("kopie")));
    m_environment.add_file(host(QStringLiteral("-v")));

    LinuxLauncher launcher(m_environment, m_settings);
    const auto handle =
        launcher.start(QStringLiteral("C:\\kopie.exe -v ziel.txt"), WindowStyle::hidden);

    ASSERT_TRUE(handle->started());
    ASSERT_TRUE(wait_until_ended(*handle));
    QFile target(host(QStringLiteral("ziel.txt")));
    ASSERT_TRUE(target.open(QIODevice::ReadOnly));
    EXPECT_EQ(target.readAll(), QByteArray("hallo"));
}

TEST_F(LinuxLauncherTest, FailedStartsGiveAHandleThatNeverRan) {
    // One the planner refuses, one the host cannot execute.
    m_environment.add_program(host(QStringLiteral("weg")));
    LinuxLauncher launcher(m_environment, m_settings);
    for (const char* line : {"gibtsnicht.exe x", "C:\\weg"}) {
        const auto handle = launcher.start(QString::fromUtf8(line), WindowStyle::normal_focus);
        ASSERT_NE(handle, nullptr) << line;
        EXPECT_FALSE(handle->started()) << line;
        EXPECT_FALSE(handle->running()) << line;
    }
}

} // namespace

} // namespace zr
