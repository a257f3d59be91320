#include "common/drive_map.h"

#include "tests/support/fake_volume_source.h"
#include "tests/support/memory_settings_store.h"

#include <gtest/gtest.h>

namespace zr {
namespace {

struct Expected {
    char letter;
    const char* root;
    DriveType type;
};

void expect_drives(const DriveMap& map, const QList<Expected>& expected) {
    const QList<DriveInfo> drives = map.drives();
    ASSERT_EQ(drives.size(), expected.size());
    for (qsizetype i = 0; i < drives.size(); ++i) {
        EXPECT_EQ(drives[i].letter, QChar(expected[i].letter));
        EXPECT_EQ(drives[i].host_root, QString::fromUtf8(expected[i].root));
        EXPECT_EQ(drives[i].type, expected[i].type) << expected[i].letter;
    }
}

class DriveMapTest : public testing::Test {
protected:
    void mount(const char* point, const char* type, bool removable = false,
               const char* source = "/dev/sdx1") {
        m_volumes.add_mount({QString::fromUtf8(point), QString::fromUtf8(type),
                             QString::fromUtf8(source), removable});
    }

    test::MemorySettingsStore m_settings;
    test::FakeVolumeSource m_volumes;
    DriveMap m_map;
};

TEST_F(DriveMapTest, ConfiguredSectionIsTheWholeMap) {
    m_settings.put("drives", "c", "/srv/c/");
    m_settings.put("drives", "A", "/srv/floppy");
    m_settings.put("drives", "a.type", "2");
    m_settings.put("drives", "a.label", "DISKETTE");
    m_settings.put("drives", "a.device", "/srv/floppy.img");
    m_settings.put("drives", "x.type", "5");
    m_settings.put("drives", "d", "/srv/cd");
    m_settings.put("drives", "d.type", "9");
    mount("/media/anna/STICK", "vfat", true);
    m_map.refresh(m_settings, m_volumes);
    expect_drives(m_map, {{'A', "/srv/floppy", DriveType::removable},
                          {'C', "/srv/c", DriveType::fixed},
                          {'D', "/srv/cd", DriveType::fixed}});
    EXPECT_EQ(m_map.drive(u'a')->label, QStringLiteral("DISKETTE"));
    EXPECT_EQ(m_map.drive(u'A')->device, QStringLiteral("/srv/floppy.img"));
    EXPECT_FALSE(m_map.drive(u'X'));
}

TEST_F(DriveMapTest, DefaultMapGivesMediaTheNextLetters) {
    mount("/", "ext4");
    mount("/proc", "proc");
    mount("/media/anna/STICK", "vfat", true, "/dev/sdb1");
    mount("/home", "ext4");
    mount("/mnt/cd", "iso9660");
    mount("/media/anna/intern", "ext4");
    mount("/run/media/anna/share", "fuse.sshfs");
    mount("/mnt/ram", "tmpfs");
    mount("/srv/usb", "vfat", true);
    mount("/mnt", "cifs", false, "//server/share");
    m_map.refresh(m_settings, m_volumes);
    expect_drives(m_map, {{'C', "/", DriveType::fixed},
                          {'D', "/media/anna/STICK", DriveType::removable},
                          {'E', "/mnt/cd", DriveType::cdrom},
                          {'F', "/run/media/anna/share", DriveType::remote},
                          {'G', "/mnt/ram", DriveType::ramdisk},
                          {'H', "/mnt", DriveType::remote}});
    EXPECT_EQ(m_map.drive(u'D')->device, QStringLiteral("/dev/sdb1"));
}

TEST_F(DriveMapTest, LettersStayPinnedToTheirMountPoints) {
    mount("/media/anna/ONE", "vfat", true);
    mount("/media/anna/TWO", "vfat", true);
    m_map.refresh(m_settings, m_volumes);
    ASSERT_EQ(m_map.drives().size(), 3);
    EXPECT_TRUE(m_map.ready(u'D', m_volumes));

    m_volumes.remove_mount("/media/anna/ONE");
    mount("/media/anna/THREE", "vfat", true);
    m_map.refresh(m_settings, m_volumes);
    expect_drives(m_map, {{'C', "/", DriveType::fixed},
                          {'D', "/media/anna/ONE", DriveType::removable},
                          {'E', "/media/anna/TWO", DriveType::removable},
                          {'F', "/media/anna/THREE", DriveType::removable}});
    EXPECT_FALSE(m_map.ready(u'D', m_volumes));
    EXPECT_TRUE(m_map.ready(u'E', m_volumes));

    mount("/media/anna/ONE", "vfat", true);
    m_map.refresh(m_settings, m_volumes);
    EXPECT_EQ(m_map.drives().size(), 4);
    EXPECT_TRUE(m_map.ready(u'D', m_volumes));
}

TEST_F(DriveMapTest, UnmappedLetterIsNotReady) {
    m_map.refresh(m_settings, m_volumes);
    expect_drives(m_map, {{'C', "/", DriveType::fixed}});
    EXPECT_TRUE(m_map.ready(u'c', m_volumes));
    EXPECT_FALSE(m_map.ready(u'Q', m_volumes));
}

} // namespace
} // namespace zr
