#include "main/panes/free_space_query.h"

#include "tests/support/recording_launcher.h"
#include "tests/support/scripted_desktop.h"
#include "tests/support/temp_drives.h"

#include "common/linux_dos_fs.h"

#include <gtest/gtest.h>

namespace zr {

namespace {

const QString answer_path = QStringLiteral("C:\\Zonderel\\dskspcf.tmp");

class FreeSpaceQueryTest : public testing::Test {
protected:
    void SetUp() override { m_drives.make_folder("C:\\Zonderel"); }

    // An answer file as zrtask would leave it, with the given time on the desktop's clock.
    void answer(const QByteArray& content, const QDateTime& written) {
        m_drives.make_file({.path = answer_path, .content = content, .modified = written});
    }
    // The answer arrives at the given event pump of the wait.
    void answer_at_pump(int pump, const QByteArray& content) {
        m_desktop.at_pump(pump, [this, content] { answer(content, m_desktop.now()); });
    }

    double ask(const QString& pane_folder = QStringLiteral("D:\\Daten")) {
        const FreeSpaceQuery query(m_drives.fs(), m_launcher, m_desktop, "C:\\Zonderel\\");
        return query.ask(pane_folder);
    }

    test::TempDrives m_drives{"CD"};
    test::RecordingLauncher m_launcher;
    test::ScriptedDesktop m_desktop;
};

} // namespace

TEST_F(FreeSpaceQueryTest, StartsZrtaskHiddenForTheDriveOfTheListedFolder) {
    ask("D:\\Daten");
    ask("");
    ASSERT_EQ(m_launcher.records().size(), 2);
    EXPECT_EQ(m_launcher.records()[0].command_line, "C:\\Zonderel\\zrtask.exe D");
    EXPECT_EQ(m_launcher.records()[0].style, WindowStyle::hidden);
    EXPECT_EQ(m_launcher.records()[1].command_line, "C:\\Zonderel\\zrtask.exe ");
}

TEST_F(FreeSpaceQueryTest, WaitsUntilZrtaskHasEndedAndReadsItsAnswer) {
    m_launcher.set_polls_until_end(3);
    answer_at_pump(2, " 1220,703125 \r\n00A1-B2C3\r\n");
    EXPECT_EQ(ask(), 1220.0);
    EXPECT_EQ(m_desktop.pump_count(), 3);
    EXPECT_EQ(m_launcher.handle(0)->polls(), 4);
}

TEST_F(FreeSpaceQueryTest, GivesUpWaitingAfterTwoSecondsOnTheDesktopClock) {
    const QDateTime start = m_desktop.now();
    m_launcher.set_polls_until_end(-1);
    answer_at_pump(5, " 1000 \r\n0000-0000\r\n");
    EXPECT_EQ(ask(), 1000.0);
    EXPECT_EQ(m_desktop.now(), start.addSecs(2));
}

TEST_F(FreeSpaceQueryTest, TakesOnlyAnAnswerWrittenForThisRequest) {
    const QDateTime second = m_desktop.now();
    const struct {
        const char* case_name;
        qint64 start_ms;
        qint64 written_ms;
        double free_space;
    } cases[] = {
        {"clearly older", 0, -5000, 0},
        {"stamped in the second before the start", 0, -1, 0},
        {"stamped in the start's second by a coarse clock", 400, 0, 1000},
        {"after the start", 0, 300, 1000},
    };
    for (const auto& c : cases) {
        answer(" 850 \r\n0000-0000\r\n", second.addSecs(-60));
        m_desktop.set_now(second.addMSecs(c.start_ms));
        const QDateTime written = second.addMSecs(c.written_ms);
        m_desktop.at_pump(m_desktop.pump_count() + 1,
                          [this, written] { answer(" 1000 \r\n0000-0000\r\n", written); });
        m_launcher.set_polls_until_end(1);
        EXPECT_EQ(ask(), c.free_space) << c.case_name;
    }
}

TEST_F(FreeSpaceQueryTest, AnAnswerLeftFromBeforeIsNeverShown) {
    // Even one stamped within the start's second: the file is the same as before the start.
    answer(" 850 \r\n0000-0000\r\n", m_desktop.now());
    m_launcher.set_polls_until_end(2);
    EXPECT_EQ(ask(), 0.0);
    m_launcher.set_starts_fail(true);
    EXPECT_EQ(ask(), 0.0);
    EXPECT_EQ(m_desktop.pump_count(), 2);
}

TEST_F(FreeSpaceQueryTest, AMissingOrJunkAnswerCountsAsNoFreeSpace) {
    EXPECT_EQ(ask(), 0.0);
    answer_at_pump(m_desktop.pump_count() + 1, "frei\r\n");
    m_launcher.set_polls_until_end(1);
    EXPECT_EQ(ask(), 0.0);
}

TEST(FreeSpaceAnswer, ReadsTheFirstItemUpToTheComma) {
    const struct {
        QByteArray answer;
        double number;
    } cases[] = {
        {" 1000 \r\n00A1-B2C3\r\n", 1000},
        {" 1220,703125 \r\n00A1-B2C3\r\n", 1220},
        {" 0 \r\n0000-0000\r\n", 0},
        {"", 0},
        {"\r\n", 0},
        {"frei\r\n", 0},
        {"\x01\xff\r\n", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FreeSpaceQuery::answer_number(c.answer), c.number) << c.answer.toStdString();
}

TEST(FreeSpaceAnswer, IsShownWithOneLeadingBlank) {
    EXPECT_EQ(FreeSpaceQuery::status_text(1000), " 1000 MB frei");
    EXPECT_EQ(FreeSpaceQuery::status_text(1220), " 1220 MB frei");
    EXPECT_EQ(FreeSpaceQuery::status_text(0), " 0 MB frei");
}

} // namespace zr
