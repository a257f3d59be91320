#include "main/panes/form4.h"
#include "main/startup/form39.h"
#include "main/startup/main_program.h"

#include "tests/support/fixed_battery.h"
#include "tests/support/recording_launcher.h"
#include "tests/support/scripted_desktop.h"
#include "tests/support/temp_drives.h"

#include "common/linux_dos_fs.h"
#include "common/services.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace zr {

namespace {

class Form39Test : public ::testing::Test {
protected:
    void SetUp() override {
        m_drives.make_folder("C:\\Zonderel");
        m_drives.settings().put("boot", "dir", "C:\\Zonderel\\");
    }
    void TearDown() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void profile(const QString& number, const QByteArray& content) {
        m_drives.make_file("C:\\Zonderel\\settings." + number, content);
    }

    Services services() {
        return Services{m_drives.settings(), m_drives.fs(), m_launcher, m_desktop};
    }

    test::TempDrives m_drives{"C"};
    test::RecordingLauncher m_launcher;
    test::ScriptedDesktop m_desktop;
    test::FixedBattery m_battery;
};

} // namespace

TEST_F(Form39Test, ShowsTwoProfilesAndConfirmsTheDoubleClickedOne) {
    profile("1", "Anna\r\n0\r\n");
    profile("2", QString::fromUtf8("Jürgen\r\n0\r\n").toLatin1());
    Services s = services();
    MainProgram program(s, m_battery);
    program.start();

    Form39* form = program.profile_window();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(program.main_window(), nullptr);
    EXPECT_EQ(form->Label2->text(), QString::fromUtf8("Bitte wählen Sie ein Benutzerprofil aus."));
    EXPECT_EQ(form->Command1->text(), "Ok");
    EXPECT_EQ(form->Command2->text(), "Beenden");
    ASSERT_EQ(form->ListView1->count(), 2);
    QStringList names{form->ListView1->item(0)->text(), form->ListView1->item(1)->text()};
    names.sort();
    EXPECT_EQ(names, (QStringList{"Anna", QString::fromUtf8("Jürgen")}));
    EXPECT_EQ(form->ListView1->currentRow(), 0);
    EXPECT_FALSE(form->ListView1->item(0)->icon().isNull());

    QListWidgetItem* juergen =
        form->ListView1->findItems(QString::fromUtf8("Jürgen"), Qt::MatchExactly).value(0);
    ASSERT_NE(juergen, nullptr);
    const QRect rect = form->ListView1->visualItemRect(juergen);
    QTest::mouseClick(form->ListView1->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(form->ListView1->viewport(), Qt::LeftButton, {}, rect.center());

    EXPECT_EQ(program.state().profile_number, "2");
    EXPECT_EQ(program.state().profile_name, QString::fromUtf8("Jürgen"));
    EXPECT_FALSE(form->isVisible());
    ASSERT_NE(program.main_window(), nullptr);
    EXPECT_TRUE(program.main_window()->isVisible());
}

TEST_F(Form39Test, OkTakesTheCurrentItemAndBeendenEndsWithoutAMainWindow) {
    profile("1", "Anna\r\n0\r\n");
    profile("2", "Bernd\r\n0\r\n");
    Services s = services();
    {
        MainProgram program(s, m_battery);
        program.start();
        const QString first = program.profile_window()->ListView1->item(0)->text();
        QTest::mouseClick(program.profile_window()->Command1, Qt::LeftButton);
        EXPECT_EQ(program.state().profile_name, first);
        EXPECT_EQ(program.state().profile_number, first == "Anna" ? "1" : "2");
    }
    MainProgram program(s, m_battery);
    QSignalSpy quit(&program, &MainProgram::quit_requested);
    program.start();
    QTest::mouseClick(program.profile_window()->Command2, Qt::LeftButton);
    EXPECT_EQ(quit.count(), 1);
    EXPECT_EQ(program.main_window(), nullptr);
    EXPECT_FALSE(m_drives.host_exists("C:\\Zonderel\\general.inf"));
}

TEST_F(Form39Test, WithFewerThanTwoProfilesTheWindowIsNeverShown) {
    for (const bool with_one : {false, true}) {
        if (with_one)
            profile("7", "Einzig\r\n");
        Services s = services();
        MainProgram program(s, m_battery);
        program.start();
        EXPECT_FALSE(program.profile_window()->isVisible());
        ASSERT_NE(program.main_window(), nullptr);
        EXPECT_TRUE(program.main_window()->isVisible());
        EXPECT_EQ(program.state().profile_number, with_one ? "7" : "0");
        EXPECT_EQ(program.state().profile_name, with_one ? "Einzig" : "Standard");
    }
}

} // namespace zr
