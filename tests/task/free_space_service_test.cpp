#include "task/failure_notice.h"
#include "task/free_space_service.h"
#include "task/task_dispatcher.h"

#include "tests/support/temp_drives.h"

#include "common/linux_dos_fs.h"

#include <gtest/gtest.h>

namespace zr {

namespace {

class NoNotice final : public FailureNotice {
public:
    void show_failure(const QString& text, const QString&) override {
        ADD_FAILURE() << "unexpected message " << text.toStdString();
    }
};

class FreeSpaceServiceTest : public testing::Test {
protected:
    void SetUp() override {
        m_drives.make_folder("C:\\Zonderel");
        m_drives.settings().put("boot", "dir", "C:\\Zonderel");
    }

    void set_geometry(std::uint64_t sectors_per_cluster, std::uint64_t free_clusters,
                      std::uint64_t fsid) {
        VolumeFigures figures;
        figures.fragment_size = 512 * sectors_per_cluster;
        figures.available_blocks = free_clusters;
        figures.total_blocks = free_clusters * 2;
        figures.fsid = fsid;
        m_drives.volumes().set_figures(m_drives.root('C'), figures);
    }

    void run(const QString& argument) {
        TaskDispatcher(m_drives.settings(), m_drives.fs(), m_notice).run(argument);
    }

    test::TempDrives m_drives{"C"};
    NoNotice m_notice;
};

} // namespace

TEST_F(FreeSpaceServiceTest, WritesTheFreeSpaceAndTheSerialAsTwoCodePageLines) {
    const struct {
        std::uint64_t sectors_per_cluster;
        std::uint64_t free_clusters;
        std::uint64_t fsid;
        const char* argument;
        const char* answer;
    } cases[] = {
        {64, 32768, 0x00A1B2C3, "C", " 1000 \r\n00A1-B2C3\r\n"},
        {64, 40000, 0x1A2B3C4D, "c", " 1220,703125 \r\n1A2B-3C4D\r\n"},
        {8, 0, 0xFFFFFFFF00000000u, "C", " 0 \r\n0000-0000\r\n"},
        {64, 32768, 0x00A1B2C3, "/SETDATETIME", " 0 \r\n0000-0000\r\n"},
        {64, 32768, 0x00A1B2C3, "Q", " 0 \r\n0000-0000\r\n"},
        {64, 32768, 0x00A1B2C3, "CD", " 0 \r\n0000-0000\r\n"},
        {64, 32768, 0x00A1B2C3, "\\", " 0 \r\n0000-0000\r\n"},
    };
    for (const auto& c : cases) {
        set_geometry(c.sectors_per_cluster, c.free_clusters, c.fsid);
        run(QString::fromLatin1(c.argument));
        EXPECT_EQ(m_drives.content("C:\\Zonderel\\dskspcf.tmp"), QByteArray(c.answer))
            << c.argument;
    }
}

TEST_F(FreeSpaceServiceTest, MeasuresTheGeometryInTheSystemsUnits) {
    set_geometry(64, 40000, 0);
    const FreeSpaceService service(m_drives.fs(), "C:\\Zonderel\\");
    EXPECT_DOUBLE_EQ(service.free_disk_space("C"), 1.220703125);
    EXPECT_EQ(service.free_disk_space("Q"), 0.0);
    EXPECT_EQ(service.volume_serial_number("C:"), "0000-0000");
    EXPECT_EQ(FreeSpaceService::serial_text(0x00A1B2C3), "00A1-B2C3");
}

TEST(FreeSpaceServiceProgramDirectory, WithoutASettingTheAnswerGoesToTheCurrentFolder) {
    test::TempDrives drives("C");
    drives.make_folder("C:\\Anderswo");
    ASSERT_TRUE(drives.fs().change_directory("C:\\Anderswo"));
    NoNotice notice;
    TaskDispatcher(drives.settings(), drives.fs(), notice).run("C");
    // The fixture's own volume: 8 sectors per cluster, 1000 free clusters.
    EXPECT_EQ(drives.content("C:\\Anderswo\\dskspcf.tmp"), " 3,814697265625 \r\n5566-7788\r\n");
}

TEST_F(FreeSpaceServiceTest, AnEmptyArgumentWritesNothing) {
    run("");
    EXPECT_FALSE(m_drives.host_exists("C:\\Zonderel\\dskspcf.tmp"));
}

TEST_F(FreeSpaceServiceTest, AnAnswerThatCannotBeWrittenIsReportedToTheCaller) {
    const FreeSpaceService service(m_drives.fs(), "Q:\\Zonderel\\");
    EXPECT_EQ(service.run("C").error(), ErrorCode::bad_drive);
}

} // namespace zr
