#include "common/linux_dos_fs.h"

#include "tests/support/temp_drives.h"

#include <QDir>
#include <gtest/gtest.h>

namespace zr {
namespace {

class DosVolumeTest : public testing::Test {
protected:
    // D: is its own vfat stick on /dev/sdz1.
    void SetUp() override {
        m_drives.add_drive(u'D', {.type = DriveType::removable});
        m_drives.volumes().add_mount({m_drives.root(u'D'), "vfat", "/dev/sdz1", true});
        m_drives.volumes().set_uuid("/dev/sdz1", "ABCD-1234");
        m_drives.volumes().set_label("/dev/sdz1", "STICK");
    }

    void set_figures(QChar letter, std::uint64_t available, std::uint64_t fragment,
                     std::uint64_t total) {
        m_drives.volumes().set_figures(m_drives.root(letter), {available, fragment, total, 0x42});
    }

    test::TempDrives m_drives;
};

TEST_F(DosVolumeTest, SerialFollowsTheFileSystemOfTheDrive) {
    struct Case {
        const char* fs_type;
        const char* uuid;
        std::uint32_t serial;
    };
    const Case cases[] = {
        {"vfat", "ABCD-1234", 0xABCD1234u},
        {"ntfs", "0011223344556677", 0x44556677u},
        {"ext4", "89abcdef-0123-4567-89ab-cdef01234567", 0x89ABCDEFu},
        {"ext4", "", 0x42u},
    };
    set_figures(u'D', 1, 4096, 1);
    for (const Case& c : cases) {
        m_drives.volumes().remove_mount(m_drives.root(u'D'));
        m_drives.volumes().add_mount({m_drives.root(u'D'), c.fs_type, "/dev/sdz1", true});
        m_drives.volumes().set_uuid("/dev/sdz1", c.uuid);
        const Result<VolumeInfo> volume = m_drives.fs().volume(u'D');
        ASSERT_TRUE(volume) << c.fs_type;
        EXPECT_EQ(volume->serial, c.serial) << c.fs_type << " " << c.uuid;
        EXPECT_EQ(volume->file_system, QString::fromUtf8(c.fs_type));
    }
}

TEST_F(DosVolumeTest, FreeSpaceAndGeometryComeFromTheFigures) {
    set_figures(u'D', 5000000000ull, 4096, 7000000000ull);
    const Result<VolumeInfo> volume = m_drives.fs().volume(u'd');
    ASSERT_TRUE(volume);
    EXPECT_EQ(volume->free_bytes, 5000000000ull * 4096);
    EXPECT_EQ(volume->total_bytes, 7000000000ull * 4096);
    EXPECT_EQ(volume->bytes_per_sector, 512u);
    EXPECT_EQ(volume->sectors_per_cluster, 8u);
    EXPECT_EQ(volume->free_clusters, 0xFFFFFFFFu);
    EXPECT_EQ(volume->total_clusters, 0xFFFFFFFFu);
    set_figures(u'D', 10, 256, 20);
    EXPECT_EQ(m_drives.fs().volume(u'D')->sectors_per_cluster, 1u);
    EXPECT_EQ(m_drives.fs().volume(u'D')->free_clusters, 10u);
    EXPECT_EQ(m_drives.fs().volume(u'D')->free_bytes, 2560u);
}

TEST_F(DosVolumeTest, LabelIsTheConfiguredOneElseTheDevicesOwn) {
    EXPECT_EQ(m_drives.fs().volume(u'D')->label, QStringLiteral("STICK"));
    m_drives.add_drive(u'E', {.label = "EIGENES", .device = "/dev/sdz1"});
    EXPECT_EQ(m_drives.rebuild_fs().volume(u'E')->label, QStringLiteral("EIGENES"));
    EXPECT_EQ(m_drives.fs().volume(u'C')->label, QString());
}

TEST_F(DosVolumeTest, UnmappedAndNotReadyDrivesFail) {
    EXPECT_EQ(m_drives.fs().volume(u'Q').error(), ErrorCode::bad_drive);
    EXPECT_EQ(m_drives.fs().drive_type(u'Q'), DriveType::no_root);
    EXPECT_FALSE(m_drives.fs().drive_ready(u'Q'));
    EXPECT_EQ(m_drives.fs().drive_type(u'd'), DriveType::removable);
    EXPECT_TRUE(m_drives.fs().drive_ready(u'D'));
    ASSERT_TRUE(QDir(m_drives.root(u'D')).removeRecursively());
    EXPECT_FALSE(m_drives.fs().drive_ready(u'D'));
    EXPECT_EQ(m_drives.fs().volume(u'D').error(), ErrorCode::disk_not_ready);
    EXPECT_EQ(m_drives.fs().change_drive(u'D').error(), ErrorCode::disk_not_ready);
    EXPECT_EQ(m_drives.fs().current_drive(), QChar(u'C'));
}

TEST_F(DosVolumeTest, WalksStayOutOfLinksPseudoFileSystemsAndOtherDrives) {
    m_drives.make_folder("C:\\plain\\deeper");
    m_drives.make_folder("C:\\proc");
    m_drives.make_folder("C:\\mnt\\e");
    m_drives.make_link("C:\\link", m_drives.host("C:\\plain"));
    m_drives.make_file("C:\\file");
    m_drives.volumes().add_mount({m_drives.host("C:\\proc"), "proc", "proc", false});
    m_drives.settings().put("drives", "e", m_drives.host("C:\\mnt\\e"));
    LinuxDosFs& fs = m_drives.rebuild_fs();
    struct Case {
        const char* folder;
        bool walk;
    };
    const Case cases[] = {
        {"C:\\", true},         {"C:\\plain", true}, {"C:\\plain\\deeper", true},
        {"C:\\link", false},    {"C:\\proc", false}, {"C:\\mnt\\e", false},
        {"E:\\", true},         {"C:\\mnt", true},   {"C:\\file", false},
        {"C:\\missing", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fs.may_walk_into(c.folder), c.walk) << c.folder;
}

} // namespace
} // namespace zr
