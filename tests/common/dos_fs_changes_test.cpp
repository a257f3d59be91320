#include "common/file_attributes.h"
#include "common/linux_dos_fs.h"

#include "tests/support/temp_drives.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace zr {
namespace {

struct stat host_stat(const QString& path) {
    struct stat info {};
    EXPECT_EQ(lstat(QFile::encodeName(path).constData(), &info), 0) << path.toStdString();
    return info;
}

QByteArray host_xattr(const QString& path) {
    char buffer[256];
    const ssize_t size =
        lgetxattr(QFile::encodeName(path).constData(), "user.DOSATTRIB", buffer, sizeof buffer);
    return size < 0 ? QByteArray() : QByteArray(buffer, size);
}

class DosChangesTest : public testing::Test {
protected:
    void SetUp() override { m_drives.make_folder("C:\\d"); }

    LinuxDosFs& fs() { return m_drives.fs(); }

    test::TempDrives m_drives;
};

TEST_F(DosChangesTest, RenameNeverReplaces) {
    m_drives.make_file("C:\\d\\a.txt", "A");
    m_drives.make_file("C:\\d\\b.txt", "B");
    m_drives.make_folder("C:\\d\\f1");
    m_drives.make_folder("C:\\d\\f2");
    EXPECT_EQ(fs().rename("C:\\d\\a.txt", "C:\\d\\b.txt").error(), ErrorCode::file_exists);
    EXPECT_EQ(fs().rename("C:\\d\\f1", "C:\\d\\f2").error(), ErrorCode::file_exists);
    EXPECT_EQ(fs().rename("C:\\d\\a.txt", "C:\\d\\f2").error(), ErrorCode::file_exists);
    EXPECT_EQ(m_drives.content("C:\\d\\a.txt"), QByteArray("A"));
    EXPECT_EQ(m_drives.content("C:\\d\\b.txt"), QByteArray("B"));
    EXPECT_EQ(fs().rename("C:\\d\\missing", "C:\\d\\new").error(), ErrorCode::file_not_found);
    ASSERT_TRUE(fs().rename("C:\\d\\a.txt", "C:\\d\\A.TXT"));
    EXPECT_FALSE(m_drives.host_exists("C:\\d\\a.txt"));
    EXPECT_EQ(m_drives.content("C:\\d\\A.TXT"), QByteArray("A"));
}

TEST_F(DosChangesTest, MakeFolderFailsWhereSomethingExists) {
    m_drives.make_file("C:\\d\\file");
    EXPECT_TRUE(fs().make_folder("C:\\d\\new"));
    EXPECT_TRUE(fs().is_folder("C:\\d\\new"));
    EXPECT_EQ(fs().make_folder("C:\\d\\new").error(), ErrorCode::file_exists);
    EXPECT_EQ(fs().make_folder("C:\\d\\file").error(), ErrorCode::file_exists);
    EXPECT_EQ(fs().make_folder("C:\\d\\no\\new").error(), ErrorCode::path_not_found);
}

TEST_F(DosChangesTest, FileNamedStarIsOneFile) {
    m_drives.make_file("C:\\d\\*");
    m_drives.make_file("C:\\d\\a");
    m_drives.make_file("C:\\d\\b");
    ASSERT_TRUE(fs().remove_file("C:\\d\\*"));
    EXPECT_FALSE(m_drives.host_exists("C:\\d\\*"));
    EXPECT_TRUE(m_drives.host_exists("C:\\d\\a"));
    EXPECT_TRUE(m_drives.host_exists("C:\\d\\b"));
    EXPECT_EQ(fs().remove_file("C:\\d\\?").error(), ErrorCode::file_not_found);
}

TEST_F(DosChangesTest, SpecialFilesAreNeverOpenedAsData) {
    m_drives.make_fifo("C:\\d\\pipe");
    EXPECT_EQ(fs().read_file("C:\\d\\pipe").error(), ErrorCode::path_access);
    EXPECT_EQ(fs().copy_file("C:\\d\\pipe", "C:\\d\\copy").error(), ErrorCode::path_access);
    EXPECT_FALSE(m_drives.host_exists("C:\\d\\copy"));
    m_drives.make_file("C:\\d\\plain", "x");
    EXPECT_EQ(fs().copy_file("C:\\d\\plain", "C:\\d\\pipe").error(), ErrorCode::path_access);
    EXPECT_EQ(fs().write_file("C:\\d\\pipe", "x").error(), ErrorCode::path_access);
    EXPECT_EQ(fs().write_file_atomic("C:\\d\\pipe", "x").error(), ErrorCode::path_access);
    EXPECT_TRUE(S_ISFIFO(host_stat(m_drives.host("C:\\d\\pipe")).st_mode));
    EXPECT_EQ(fs().read_file("C:\\d").error(), ErrorCode::path_access);
}

TEST_F(DosChangesTest, CopyReplacesALinkTargetAsALink) {
    m_drives.make_file("C:\\d\\source", "new");
    m_drives.make_file("C:\\d\\victim", "old");
    m_drives.make_link("C:\\d\\link", m_drives.host("C:\\d\\victim"));
    ASSERT_TRUE(fs().copy_file("C:\\d\\source", "C:\\d\\link"));
    EXPECT_TRUE(S_ISREG(host_stat(m_drives.host("C:\\d\\link")).st_mode));
    EXPECT_EQ(m_drives.content("C:\\d\\link"), QByteArray("new"));
    EXPECT_EQ(m_drives.content("C:\\d\\victim"), QByteArray("old"));
}

TEST_F(DosChangesTest, WriteReplacesALinkAsALink) {
    m_drives.make_file("C:\\d\\victim", "old");
    m_drives.make_link("C:\\d\\link", "victim");
    m_drives.make_link("C:\\d\\link2", "victim");
    ASSERT_TRUE(fs().write_file("C:\\d\\link", "one"));
    ASSERT_TRUE(fs().write_file_atomic("C:\\d\\link2", "two"));
    EXPECT_EQ(m_drives.content("C:\\d\\victim"), QByteArray("old"));
    EXPECT_EQ(m_drives.content("C:\\d\\link"), QByteArray("one"));
    EXPECT_EQ(m_drives.content("C:\\d\\link2"), QByteArray("two"));
}

TEST_F(DosChangesTest, CopyOfALinkIsALinkToTheSameTarget) {
    m_drives.make_file("C:\\d\\target", "t");
    m_drives.make_link("C:\\d\\link", "target");
    m_drives.make_file("C:\\d\\copy", "old");
    ASSERT_TRUE(fs().copy_file("C:\\d\\link", "C:\\d\\copy"));
    EXPECT_TRUE(S_ISLNK(host_stat(m_drives.host("C:\\d\\copy")).st_mode));
    EXPECT_EQ(QFileInfo(m_drives.host("C:\\d\\copy")).symLinkTarget(),
              m_drives.host("C:\\d\\target"));
}

TEST_F(DosChangesTest, CopyKeepsTimeAndPermissionBits) {
    const QDateTime when(QDate(2001, 2, 3), QTime(4, 5, 6));
    m_drives.make_file({.path = "C:\\d\\src", .size = 300000, .modified = when});
    ASSERT_EQ(chmod(QFile::encodeName(m_drives.host("C:\\d\\src")).constData(), 0640), 0);
    m_drives.make_file("C:\\d\\dst", "an older, longer content than nothing");
    ASSERT_TRUE(fs().copy_file("C:\\d\\src", "C:\\d\\dst"));
    EXPECT_EQ(m_drives.content("C:\\d\\dst"), m_drives.content("C:\\d\\src"));
    EXPECT_EQ(host_stat(m_drives.host("C:\\d\\dst")).st_mode & 07777, 0640u);
    EXPECT_EQ(fs().modified("C:\\d\\dst").value_or({}), when);
    EXPECT_EQ(fs().copy_file("C:\\d\\src", "C:\\d\\SRC").ok(), true);
    EXPECT_EQ(fs().copy_file("C:\\d\\src", "C:\\d\\src").error(), ErrorCode::path_access);
    EXPECT_EQ(fs().file_length("C:\\d\\src").value_or(-1), 300000);
}

TEST_F(DosChangesTest, CopyAcrossFileSystemsFallsBackToReadAndWrite) {
    QTemporaryDir other(QStringLiteral("/dev/shm/zr-copy-XXXXXX"));
    if (!other.isValid() || host_stat(other.path()).st_dev == host_stat(m_drives.base()).st_dev)
        GTEST_SKIP() << "no second file system at /dev/shm";
    m_drives.settings().put("drives", "s", other.path());
    const QDateTime when(QDate(1999, 12, 31), QTime(23, 59, 58));
    m_drives.make_file({.path = "C:\\d\\big", .size = 200000, .modified = when});
    ASSERT_TRUE(m_drives.rebuild_fs().copy_file("C:\\d\\big", "S:\\big"));
    QFile copy(other.path() + "/big");
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), m_drives.content("C:\\d\\big"));
    EXPECT_EQ(fs().modified("S:\\big").value_or({}), when);
}

TEST_F(DosChangesTest, LayerRefusesToChangeAReadOnlyFile) {
    m_drives.make_file({.path = "C:\\d\\ro", .content = "keep", .attributes = attr::read_only});
    m_drives.make_file("C:\\d\\other", "other");
    EXPECT_EQ(fs().attributes("C:\\d\\ro").value_or(0), attr::read_only);
    EXPECT_EQ(fs().write_file("C:\\d\\ro", "x").error(), ErrorCode::path_access);
    EXPECT_EQ(fs().write_file_atomic("C:\\d\\ro", "x").error(), ErrorCode::path_access);
    EXPECT_EQ(fs().copy_file("C:\\d\\other", "C:\\d\\ro").error(), ErrorCode::path_access);
    EXPECT_EQ(fs().remove_file("C:\\d\\ro").error(), ErrorCode::path_access);
    EXPECT_EQ(m_drives.content("C:\\d\\ro"), QByteArray("keep"));
    ASSERT_TRUE(fs().set_attributes("C:\\d\\ro", attr::normal));
    EXPECT_TRUE(host_stat(m_drives.host("C:\\d\\ro")).st_mode & S_IWUSR);
    EXPECT_TRUE(fs().write_file("C:\\d\\ro", "x"));
    EXPECT_TRUE(fs().remove_file("C:\\d\\ro"));
}

TEST_F(DosChangesTest, ReadOnlyFolderLivesInTheAttributeOnly) {
    if (!m_drives.user_xattrs_supported())
        GTEST_SKIP() << "no user extended attributes on the temporary file system";
    ASSERT_TRUE(fs().set_attributes("C:\\d", attr::read_only));
    EXPECT_EQ(fs().attributes("C:\\d").value_or(0), attr::read_only | attr::directory);
    EXPECT_TRUE(host_stat(m_drives.host("C:\\d")).st_mode & S_IWUSR);
}

TEST_F(DosChangesTest, DosAttributesRoundTripThroughTheExtendedAttribute) {
    if (!m_drives.user_xattrs_supported())
        GTEST_SKIP() << "no user extended attributes on the temporary file system";
    m_drives.make_file("C:\\d\\f");
    const std::uint32_t bits = attr::hidden | attr::system | attr::archive;
    ASSERT_TRUE(fs().set_attributes("C:\\d\\f", bits | attr::read_only));
    EXPECT_EQ(host_xattr(m_drives.host("C:\\d\\f")), QByteArray("0x26"));
    EXPECT_EQ(fs().attributes("C:\\d\\f").value_or(0), bits | attr::read_only);
    ASSERT_TRUE(fs().set_attributes("C:\\d\\f", attr::archive));
    EXPECT_EQ(fs().attributes("C:\\d\\f").value_or(0), attr::archive);

    const QByteArray samba =
        QByteArray("0x4\0\x03\x00\x03\x00\x01\x00\x00\x00\x04\x00\x00\x00", 16);
    ASSERT_EQ(setxattr(QFile::encodeName(m_drives.host("C:\\d\\f")).constData(), "user.DOSATTRIB",
                       samba.constData(), size_t(samba.size()), 0),
              0);
    EXPECT_EQ(fs().attributes("C:\\d\\f").value_or(0), attr::system);
}

TEST_F(DosChangesTest, DotNamesAreHidden) {
    m_drives.make_file("C:\\d\\.profile");
    EXPECT_EQ(fs().attributes("C:\\d\\.profile").value_or(0), attr::hidden);
    EXPECT_EQ(fs().attributes("C:\\d\\missing").error(), ErrorCode::file_not_found);
}

TEST_F(DosChangesTest, SpecialFilesTakeNoAttributesWithoutFailing) {
    m_drives.make_fifo("C:\\d\\pipe");
    EXPECT_TRUE(fs().set_attributes("C:\\d\\pipe", attr::system | attr::read_only));
    EXPECT_EQ(fs().attributes("C:\\d\\pipe").value_or(99), attr::normal);
}

TEST_F(DosChangesTest, AttributesAreNeverSetThroughALink) {
    m_drives.make_file("C:\\d\\target");
    m_drives.make_link("C:\\d\\link", "target");
    EXPECT_TRUE(fs().set_attributes("C:\\d\\link", attr::read_only | attr::system));
    EXPECT_TRUE(host_stat(m_drives.host("C:\\d\\target")).st_mode & S_IWUSR);
    EXPECT_EQ(host_xattr(m_drives.host("C:\\d\\target")), QByteArray());
    EXPECT_EQ(fs().attributes("C:\\d\\target").value_or(99), attr::normal);
}

TEST_F(DosChangesTest, ModificationTimeIsLocalTime) {
    m_drives.make_file("C:\\d\\f");
    const QDateTime local(QDate(2020, 6, 15), QTime(12, 34, 56));
    ASSERT_TRUE(fs().set_modified("C:\\d\\f", local));
    // Berlin keeps summer time in June: two hours ahead of UTC.
    const QDateTime utc(QDate(2020, 6, 15), QTime(10, 34, 56), Qt::UTC);
    EXPECT_EQ(host_stat(m_drives.host("C:\\d\\f")).st_mtime, utc.toSecsSinceEpoch());
    EXPECT_EQ(fs().modified("C:\\d\\f").value_or({}), local);
    EXPECT_EQ(fs().set_modified("C:\\d\\missing", local).error(), ErrorCode::file_not_found);
}

TEST_F(DosChangesTest, AtomicWriteLeavesNoTemporaryFile) {
    m_drives.make_file("C:\\d\\settings.ini", "old");
    ASSERT_EQ(chmod(QFile::encodeName(m_drives.host("C:\\d\\settings.ini")).constData(), 0600), 0);
    ASSERT_TRUE(fs().write_file_atomic("C:\\d\\settings.ini", "new"));
    ASSERT_TRUE(fs().write_file_atomic("C:\\d\\fresh.ini", "fresh"));
    EXPECT_EQ(m_drives.content("C:\\d\\settings.ini"), QByteArray("new"));
    EXPECT_EQ(host_stat(m_drives.host("C:\\d\\settings.ini")).st_mode & 07777, 0600u);
    EXPECT_EQ(fs().enumerate("C:\\d\\*", attr::hidden | attr::system)->size(), 2);
    EXPECT_EQ(fs().write_file_atomic("C:\\d\\no\\x.ini", "x").error(), ErrorCode::path_not_found);
}

TEST_F(DosChangesTest, SameFileIsDecidedByInode) {
    m_drives.make_file("C:\\d\\a", "same text");
    m_drives.make_file("C:\\d\\b", "same text");
    ASSERT_EQ(link(QFile::encodeName(m_drives.host("C:\\d\\a")).constData(),
                   QFile::encodeName(m_drives.host("C:\\d\\hard")).constData()),
              0);
    EXPECT_TRUE(fs().same_file("C:\\d\\a", "C:\\d\\hard"));
    EXPECT_TRUE(fs().same_file("C:\\d\\a", "c:\\D\\A"));
    EXPECT_FALSE(fs().same_file("C:\\d\\a", "C:\\d\\b"));
    EXPECT_FALSE(fs().same_file("C:\\d\\a", "C:\\d\\missing"));
}

TEST_F(DosChangesTest, RemovesFoldersAndFilesWithTheirErrors) {
    m_drives.make_folder("C:\\d\\full");
    m_drives.make_file("C:\\d\\full\\x");
    m_drives.make_folder("C:\\d\\empty");
    EXPECT_EQ(fs().remove_folder("C:\\d\\full").error(), ErrorCode::path_access);
    EXPECT_EQ(fs().remove_file("C:\\d\\full").error(), ErrorCode::path_access);
    EXPECT_TRUE(fs().remove_folder("C:\\d\\empty"));
    EXPECT_FALSE(m_drives.host_exists("C:\\d\\empty"));
    EXPECT_EQ(fs().remove_file("C:\\d\\nothing\\x").error(), ErrorCode::path_not_found);
}

} // namespace
} // namespace zr
