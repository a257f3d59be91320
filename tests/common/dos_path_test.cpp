#include "common/dos_attrib.h"
#include "common/dos_path.h"
#include "common/dos_wildcard.h"
#include "common/file_attributes.h"
#include "common/linux_volume_source.h"
#include "common/volume_serial.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zr {
namespace {

TEST(DosPathTest, TakesTextApart) {
    struct Case {
        const char* text;
        QChar drive;
        bool rooted;
        QStringList parts;
    };
    const Case cases[] = {
        {"C:\\a\\b", u'C', true, {"a", "b"}},      {"c:a", u'C', false, {"a"}},
        {"\\a\\\\b\\", QChar(), true, {"a", "b"}}, {"a\\..\\b", QChar(), false, {"a", "..", "b"}},
        {"d:/x/y", u'D', true, {"x", "y"}},        {"C:", u'C', false, {}},
        {"1:\\a", QChar(), false, {"1:", "a"}},
    };
    for (const Case& c : cases) {
        const DosPath path = DosPath::parse(QString::fromUtf8(c.text));
        EXPECT_EQ(path.drive, c.drive) << c.text;
        EXPECT_EQ(path.rooted, c.rooted) << c.text;
        EXPECT_EQ(path.parts, c.parts) << c.text;
    }
}

TEST(DosPathTest, NormalisesWithoutClimbingAboveTheRoot) {
    EXPECT_EQ(DosPath::normalized({"a", ".", "b", "..", "c"}), (QStringList{"a", "c"}));
    EXPECT_EQ(DosPath::normalized({"..", "x"}), (QStringList{"x"}));
    EXPECT_EQ(DosPath::normalized({"a", "..", "..", "..", "y"}), (QStringList{"y"}));
    EXPECT_EQ(DosPath::absolute_text(u'C', {}), QStringLiteral("C:\\"));
    EXPECT_EQ(DosPath::absolute_text(u'E', {"a", "b"}), QStringLiteral("E:\\a\\b"));
}

TEST(DosPathTest, RefusesHostNamesTheSystemCannotExpress) {
    EXPECT_TRUE(DosPath::is_acceptable_host_name("Bericht 1.txt"));
    EXPECT_TRUE(DosPath::is_acceptable_host_name("\xc3\xa4rger.txt"));
    EXPECT_FALSE(DosPath::is_acceptable_host_name("a\\b"));
    EXPECT_FALSE(DosPath::is_acceptable_host_name("\xff\xfe.txt"));
    EXPECT_FALSE(DosPath::is_acceptable_host_name("half\xc3"));
    EXPECT_FALSE(DosPath::is_acceptable_host_name(""));
}

TEST(DosWildcardTest, MatchesAsDirDoes) {
    struct Case {
        const char* pattern;
        const char* name;
        bool matches;
    };
    const Case cases[] = {
        {"*.*", "README", true},      {"*.*", "a.txt", true},
        {"*.*", ".profile", true},    {"*", "a.b.c", true},
        {"*.TXT", "brief.txt", true}, {"*.txt", "brief.txta", false},
        {"?.txt", "a.txt", true},     {"?.txt", "ab.txt", false},
        {"a*b", "axxb", true},        {"a*b", "axxbc", false},
        {"*.", "README", true},       {"*.", "a.txt", false},
        {"brief.*", "BRIEF", true},   {"brief.*", "brief.doc", true},
        {"*a*", "BANANE", true},      {"\xc3\x84*", "\xc3\xa4rger", true},
        {"x?", "x", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dos_wildcard_match(QString::fromUtf8(c.pattern), QString::fromUtf8(c.name)),
                  c.matches)
            << c.pattern << " vs " << c.name;
}

TEST(DosAttribTest, ReadsBothSambaForms) {
    const QByteArray nul(1, '\0');
    // The blob: hex text, version 3 twice, valid flags, then the attributes.
    const QByteArray v3 = QByteArray("\x03\x00\x03\x00", 4) + QByteArray("\x01\x00\x00\x00", 4) +
                          QByteArray("\x24\x00\x00\x00", 4);
    const QByteArray v1 = QByteArray("\x01\x00\x01\x00", 4) + QByteArray("\x06\x00\x00\x00", 4);
    struct Case {
        QByteArray value;
        std::uint32_t bits;
    };
    const Case cases[] = {
        {"0x20", attr::archive},
        {"0x26" + nul, attr::archive | attr::system | attr::hidden},
        {"0x24" + nul + v3, attr::archive | attr::system},
        {nul + v3, attr::archive | attr::system},
        {nul + v1, attr::system | attr::hidden},
        {nul + QByteArray("\x09\x00\x09\x00\x01\x00\x00\x00", 8), 0},
        {"garbage", 0},
        {"0x10000", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DosAttrib::parse(c.value), c.bits) << c.value.toHex().toStdString();
}

TEST(DosAttribTest, WritesThePlainTextForm) {
    EXPECT_EQ(DosAttrib::format(attr::archive | attr::hidden), QByteArray("0x22"));
    EXPECT_EQ(DosAttrib::parse(DosAttrib::format(attr::system)), attr::system);
}

TEST(VolumeSerialTest, FollowsTheFileSystemsRule) {
    struct Case {
        const char* fs_type;
        const char* uuid;
        std::uint64_t fsid;
        std::uint32_t serial;
    };
    const Case cases[] = {
        {"vfat", "ABCD-1234", 7, 0xABCD1234u},
        {"exfat", "0a1b-2c3d", 7, 0x0A1B2C3Du},
        {"ntfs", "0123456789ABCDEF", 7, 0x89ABCDEFu},
        {"ntfs3", "FEDCBA9876543210", 7, 0x76543210u},
        {"ext4", "1b2c3d4e-5f60-7182-93a4-b5c6d7e8f901", 7, 0x1B2C3D4Eu},
        {"iso9660", "2023-05-06-07-08-09-00", 7, 0x20230506u},
        {"ext4", "", 0x1122334455667788u, 0x55667788u},
        {"tmpfs", "", 0xFFFFFFFF00000001u, 1u},
    };
    for (const Case& c : cases)
        EXPECT_EQ(volume_serial(QString::fromUtf8(c.fs_type), QString::fromUtf8(c.uuid), c.fsid),
                  c.serial)
            << c.fs_type << " " << c.uuid;
}

TEST(LinuxVolumeSourceTest, ParsesTheMountTable) {
    const QByteArray text =
        "21 27 0:20 / /proc rw,relatime - proc proc rw\n"
        "30 27 8:17 / /media/anna/MEIN\\040STICK rw shared:5 - vfat /dev/sdb1 rw\n"
        "31 27 0:50 / /mnt/net rw - nfs4 server:/export rw\n"
        "broken line\n";
    const QList<MountInfo> mounts = LinuxVolumeSource::parse_mountinfo(text);
    ASSERT_EQ(mounts.size(), 3);
    EXPECT_EQ(mounts[0].mount_point, QStringLiteral("/proc"));
    EXPECT_EQ(mounts[0].fs_type, QStringLiteral("proc"));
    EXPECT_EQ(mounts[1].mount_point, QStringLiteral("/media/anna/MEIN STICK"));
    EXPECT_EQ(mounts[1].fs_type, QStringLiteral("vfat"));
    EXPECT_EQ(mounts[1].source, QStringLiteral("/dev/sdb1"));
    EXPECT_EQ(mounts[2].source, QStringLiteral("server:/export"));
}

TEST(LinuxVolumeSourceTest, DecodesDiskFolderNames) {
    EXPECT_EQ(LinuxVolumeSource::decode_hex_escapes("MEIN\\x20STICK"),
              QStringLiteral("MEIN STICK"));
    EXPECT_EQ(LinuxVolumeSource::decode_hex_escapes("A\\x2"), QStringLiteral("A\\x2"));
}

TEST(LinuxVolumeSourceTest, ReadsTheHostsOwnMountsAndFigures) {
    const LinuxVolumeSource source;
    const QList<MountInfo> mounts = source.mounts();
    EXPECT_TRUE(std::any_of(mounts.begin(), mounts.end(),
                            [](const MountInfo& m) { return m.mount_point == u"/"; }));
    const Result<VolumeFigures> figures = source.figures(QStringLiteral("/"));
    ASSERT_TRUE(figures);
    EXPECT_GT(figures->fragment_size, 0u);
    EXPECT_GE(figures->total_blocks, figures->available_blocks);
    EXPECT_EQ(source.figures(QStringLiteral("/no/such/folder")).error(), ErrorCode::file_not_found);
    EXPECT_EQ(source.uuid(QStringLiteral("/dev/no-such-device")), QString());
}

} // namespace
} // namespace zr
