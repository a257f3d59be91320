#include "task/date_time_service.h"
#include "task/failure_notice.h"
#include "task/task_dispatcher.h"

#include "tests/support/temp_drives.h"

#include "common/linux_dos_fs.h"

#include <QList>
#include <gtest/gtest.h>

namespace zr {

namespace {

class RecordingNotice final : public FailureNotice {
public:
    struct Shown {
        QString text;
        QString title;
        bool stamp_file_there;
    };

    explicit RecordingNotice(const test::TempDrives& drives) : m_drives(drives) {}

    void show_failure(const QString& text, const QString& title) override {
        m_shown << Shown{text, title, m_drives.host_exists("C:\\Zonderel\\~setdate.tmp")};
    }

    QList<Shown> m_shown;

private:
    const test::TempDrives& m_drives;
};

const QDateTime christmas(QDate(1999, 12, 24), QTime(14, 30, 0));
const QDateTime earlier(QDate(2020, 5, 1), QTime(8, 0, 0));

class DateTimeServiceTest : public testing::Test {
protected:
    void SetUp() override {
        m_drives.make_folder("C:\\Zonderel");
        m_drives.make_folder("C:\\Daten\\Ordner");
        m_drives.settings().put("boot", "dir", "C:\\Zonderel");
        m_drives.make_file({.path = "C:\\Daten\\brief.txt", .content = "x", .modified = earlier});
        ASSERT_TRUE(m_drives.fs().change_directory("C:\\Daten"));
    }

    void request(const QByteArray& content) {
        m_drives.make_file("C:\\Zonderel\\~setdatetime.tmp", content);
    }
    void stamp() {
        m_drives.make_file({.path = "C:\\Zonderel\\~setdate.tmp", .modified = christmas});
    }
    void run() { TaskDispatcher(m_drives.settings(), m_drives.fs(), m_notice).run("/setdatetime"); }

    void expect_both_files_gone() {
        EXPECT_FALSE(m_drives.host_exists("C:\\Zonderel\\~setdatetime.tmp"));
        EXPECT_FALSE(m_drives.host_exists("C:\\Zonderel\\~setdate.tmp"));
    }

    test::TempDrives m_drives{"C"};
    RecordingNotice m_notice{m_drives};
};

} // namespace

TEST_F(DateTimeServiceTest, CopiesTheStampOntoTheFileOfTheCurrentFolder) {
    request("brief.txt\r\n");
    stamp();
    run();
    EXPECT_EQ(m_drives.fs().modified("C:\\Daten\\brief.txt").value(), christmas);
    EXPECT_TRUE(m_notice.m_shown.isEmpty());
    expect_both_files_gone();
}

TEST_F(DateTimeServiceTest, ReadsTheNameInTheCodePage) {
    m_drives.make_file({.path = "C:\\Daten\\Bücher.txt", .modified = earlier});
    request("B\xfc"
            "cher.txt\r\n");
    stamp();
    run();
    EXPECT_EQ(m_drives.fs().modified("C:\\Daten\\Bücher.txt").value(), christmas);
    expect_both_files_gone();
}

TEST_F(DateTimeServiceTest, AFailedCopyShowsTheMessageAndStillRemovesBothFiles) {
    const struct {
        const char* case_name;
        bool with_request;
        QByteArray request;
        bool with_stamp;
    } cases[] = {
        {"request file missing", false, {}, true},
        {"stamp file missing", true, "brief.txt\r\n", false},
        {"target missing", true, "fehlt.txt\r\n", true},
        {"empty name", true, "\r\n", true},
        {"a folder", true, "Ordner\r\n", true},
    };
    for (const auto& c : cases) {
        m_notice.m_shown.clear();
        if (c.with_request)
            request(c.request);
        if (c.with_stamp)
            stamp();
        run();
        ASSERT_EQ(m_notice.m_shown.size(), 1) << c.case_name;
        EXPECT_EQ(m_notice.m_shown[0].text, "Datum und Uhrzeit konnten nicht zugeweisen werden.");
        EXPECT_EQ(m_notice.m_shown[0].title, "Tarvenic");
        EXPECT_EQ(m_notice.m_shown[0].stamp_file_there, c.with_stamp) << c.case_name;
        EXPECT_EQ(m_drives.fs().modified("C:\\Daten\\brief.txt").value(), earlier) << c.case_name;
        EXPECT_NE(m_drives.fs().modified("C:\\Daten\\Ordner").value(), christmas) << c.case_name;
        expect_both_files_gone();
    }
}

} // namespace zr
