#include "common/file_attributes.h"
#include "common/linux_dos_fs.h"

#include "tests/support/temp_drives.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zr {
namespace {

QStringList sorted_names(const Result<QList<DirEntry>>& entries) {
    QStringList names;
    if (!entries)
        return {QStringLiteral("error %1").arg(code_number(entries.error()))};
    for (const DirEntry& entry : *entries)
        names << entry.name;
    std::sort(names.begin(), names.end());
    return names;
}

class DosListingTest : public testing::Test {
protected:
    void SetUp() override {
        m_drives.make_folder("C:\\list");
        m_drives.make_file("C:\\list\\README");
        m_drives.make_file("C:\\list\\a.txt");
        m_drives.make_file("C:\\list\\B.TXT");
        m_drives.make_file("C:\\list\\.hidden");
        m_drives.make_folder("C:\\list\\Sub");
        m_drives.make_folder("C:\\list\\.hdir");
        m_drives.make_host_file("C:\\list", "back\\slash.txt");
        m_drives.make_host_file("C:\\list", "\xff\xfe.txt");
    }

    test::TempDrives m_drives;
};

TEST_F(DosListingTest, MaskAndWildcardChooseTheEntries) {
    const std::uint32_t all = attr::hidden | attr::system | attr::directory;
    struct Case {
        const char* pattern;
        std::uint32_t mask;
        QStringList names;
    };
    const Case cases[] = {
        {"C:\\list\\*.*", attr::normal, {"B.TXT", "README", "a.txt"}},
        {"C:\\list\\", attr::normal, {"B.TXT", "README", "a.txt"}},
        {"C:\\list\\*.*", attr::read_only | attr::archive, {"B.TXT", "README", "a.txt"}},
        {"C:\\list\\*.*", attr::hidden, {".hidden", "B.TXT", "README", "a.txt"}},
        {"C:\\list\\*.*", attr::directory, {"B.TXT", "README", "Sub", "a.txt"}},
        {"C:\\list\\*", all, {".hdir", ".hidden", "B.TXT", "README", "Sub", "a.txt"}},
        {"C:\\list\\*.txt", attr::normal, {"B.TXT", "a.txt"}},
        {"c:\\LIST\\?.TXT", attr::normal, {"B.TXT", "a.txt"}},
        {"C:\\list\\*.", attr::directory, {"README", "Sub"}},
        {"C:\\list\\readme", attr::normal, {"README"}},
        {"C:\\list\\s*", attr::normal, {}},
        {"C:\\list\\sub", attr::directory, {"Sub"}},
        {"C:\\list\\*slash*", all, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sorted_names(m_drives.fs().enumerate(c.pattern, c.mask)), c.names)
            << c.pattern << " mask " << c.mask;
}

TEST_F(DosListingTest, ListsRelativeToTheCurrentDirectory) {
    ASSERT_TRUE(m_drives.fs().change_directory("C:\\list\\Sub"));
    EXPECT_EQ(sorted_names(m_drives.fs().enumerate("..\\*.txt", 0)),
              (QStringList{"B.TXT", "a.txt"}));
    EXPECT_EQ(sorted_names(m_drives.fs().enumerate("*.*", 0)), QStringList{});
}

TEST_F(DosListingTest, ReportsKindSizeAndTime) {
    const QDateTime when(QDate(2003, 4, 5), QTime(6, 7, 8));
    m_drives.make_file({.path = "C:\\list\\data.bin", .size = 1234, .modified = when});
    m_drives.make_fifo("C:\\list\\pipe");
    m_drives.make_link("C:\\list\\link", m_drives.host("C:\\list\\data.bin"));
    const Result<QList<DirEntry>> entries = m_drives.fs().enumerate("C:\\list\\*.*", 0);
    ASSERT_TRUE(entries);
    const auto find = [&](const QString& name) {
        return *std::find_if(entries->begin(), entries->end(),
                             [&](const DirEntry& e) { return e.name == name; });
    };
    EXPECT_EQ(find("data.bin").size, 1234);
    EXPECT_EQ(find("data.bin").modified, when);
    EXPECT_FALSE(find("data.bin").is_special);
    EXPECT_TRUE(find("pipe").is_special);
    EXPECT_EQ(find("pipe").size, 0);
    EXPECT_TRUE(find("link").is_link);
    EXPECT_EQ(find("link").size, 1234);
}

TEST_F(DosListingTest, VolumeMaskAloneYieldsTheLabel) {
    test::TempDrives drives("");
    drives.add_drive(u'C', {.label = "ARCHIV"});
    EXPECT_EQ(sorted_names(drives.fs().enumerate("C:\\*.*", attr::volume)), QStringList{"ARCHIV"});
    EXPECT_EQ(drives.fs().enumerate("C:\\*.*", attr::volume)->first().attributes, attr::volume);
    EXPECT_EQ(sorted_names(m_drives.fs().enumerate("C:\\*.*", attr::volume)), QStringList{});
}

TEST_F(DosListingTest, SystemFilesNeedTheirBit) {
    if (!m_drives.user_xattrs_supported())
        GTEST_SKIP() << "no user extended attributes on the temporary file system";
    m_drives.make_file({.path = "C:\\list\\sys.dat", .attributes = attr::system});
    m_drives.make_file({.path = "C:\\list\\both.dat", .attributes = attr::system | attr::hidden});
    m_drives.make_file({.path = "C:\\list\\hid.dat", .attributes = attr::hidden});
    m_drives.make_file({.path = "C:\\list\\arc.dat", .attributes = attr::archive});
    struct Case {
        std::uint32_t mask;
        QStringList names;
    };
    const Case cases[] = {
        {attr::normal, {"arc.dat"}},
        {attr::system, {"arc.dat", "sys.dat"}},
        {attr::hidden, {"arc.dat", "hid.dat"}},
        {attr::hidden | attr::system, {"arc.dat", "both.dat", "hid.dat", "sys.dat"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sorted_names(m_drives.fs().enumerate("C:\\list\\*.dat", c.mask)), c.names)
            << c.mask;
}

TEST_F(DosListingTest, SortedListsIgnoreCase) {
    m_drives.make_file("C:\\list\\c.doc");
    m_drives.make_folder("C:\\list\\alpha");
    EXPECT_EQ(m_drives.fs().sorted_files("C:\\list").value_or({}),
              (QStringList{"a.txt", "B.TXT", "c.doc", "README"}));
    EXPECT_EQ(m_drives.fs().sorted_files("C:\\list", "*.TXT").value_or({}),
              (QStringList{"a.txt", "B.TXT"}));
    EXPECT_EQ(m_drives.fs().sorted_folders("C:\\list").value_or({}),
              (QStringList{".hdir", "alpha", "Sub"}));
    EXPECT_EQ(m_drives.fs().sorted_folders("C:\\missing").error(), ErrorCode::path_not_found);
}

} // namespace
} // namespace zr
