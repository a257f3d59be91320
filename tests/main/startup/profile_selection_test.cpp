#include "main/startup/profile_files.h"
#include "main/startup/profile_selection.h"
#include "main/startup/program_state.h"

#include "tests/support/scripted_desktop.h"
#include "tests/support/temp_drives.h"

#include "common/linux_dos_fs.h"

#include <gtest/gtest.h>

namespace zr {

namespace {

class ProfileSelectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_drives.make_folder("C:\\Zonderel");
        m_drives.settings().put("boot", "dir", "C:\\Zonderel");
        ASSERT_TRUE(m_drives.fs().change_directory("C:\\Zonderel"));
    }

    void profile(const QString& file, const QByteArray& content) {
        m_drives.make_file("C:\\Zonderel\\" + file, content);
    }

    QStringList load() {
        m_selection = std::make_unique<ProfileSelection>(m_state, m_drives.settings(),
                                                         m_drives.fs(), m_desktop);
        return m_selection->load();
    }

    test::TempDrives m_drives{"CD"};
    test::ScriptedDesktop m_desktop;
    ProgramState m_state;
    std::unique_ptr<ProfileSelection> m_selection;
};

} // namespace

TEST_F(ProfileSelectionTest, FindsTheProgramDirectoryAndGoesToTheRootOfItsDrive) {
    EXPECT_TRUE(load().isEmpty());
    EXPECT_EQ(m_state.program_dir, "C:\\Zonderel\\");
    EXPECT_EQ(m_state.starting_up, 1);
    EXPECT_EQ(m_desktop.pump_count(), 1);
    EXPECT_EQ(m_drives.fs().current_directory(), "C:\\");
    EXPECT_EQ(m_state.profile_number, "0");
    EXPECT_EQ(m_state.profile_name, "Standard");

    m_selection->confirm(QString());
    EXPECT_EQ(m_state.profile_number, "0");
    EXPECT_EQ(m_state.profile_name, "Standard");
}

TEST_F(ProfileSelectionTest, WithoutASettingTheCurrentFolderIsTheProgramDirectory) {
    m_drives.settings().put("boot", "dir", "D:\\Woanders");
    m_drives.make_folder("D:\\Woanders");
    profile("settings.1", "Anna\r\n0\r\n");
    m_drives.make_file("D:\\Woanders\\settings.2", "Bernd\r\n");
    load();
    EXPECT_EQ(m_state.program_dir, "D:\\Woanders\\");
    EXPECT_EQ(m_drives.fs().current_drive(), QChar('D'));
    EXPECT_EQ(m_drives.fs().current_directory(), "D:\\");

    test::MemorySettingsStore empty;
    ASSERT_TRUE(m_drives.fs().change_directory("D:\\Woanders"));
    ProfileSelection here(m_state, empty, m_drives.fs(), m_desktop);
    EXPECT_EQ(here.load(), QStringList{"Bernd"});
    EXPECT_EQ(m_state.program_dir, "D:\\Woanders\\");
}

TEST_F(ProfileSelectionTest, ListsEveryExactProfileFileAndPicksTheFirstOfAName) {
    profile("settings.1", "Anna\r\n0\r\n");
    profile("settings.2", "Bernd\r\n");
    profile("settings.10", "Bernd\r\n0\r\n");
    profile("Settings.3", "Falsch\r\n");
    profile("settings.", "Ohne Nummer\r\n");
    m_drives.make_folder("C:\\Zonderel\\settings.4");

    const QStringList items = load();
    EXPECT_EQ(items.size(), 3);
    EXPECT_TRUE(items.contains("Anna"));
    EXPECT_EQ(items.count("Bernd"), 2);

    const Result<QList<DirEntry>> order = m_drives.fs().enumerate("C:\\Zonderel\\settings.*", 0);
    ASSERT_TRUE(order);
    QString first_bernd;
    for (const DirEntry& e : *order)
        if (first_bernd.isEmpty() && (e.name == "settings.2" || e.name == "settings.10"))
            first_bernd = e.name.right(1);

    m_selection->confirm("Bernd");
    EXPECT_EQ(m_state.profile_number, first_bernd);
    EXPECT_EQ(m_state.profile_name, "Bernd");
    m_selection->confirm("Anna");
    EXPECT_EQ(m_state.profile_number, "1");
}

TEST_F(ProfileSelectionTest, AnUnreadableProfileCarriesTheNameReadBeforeIt) {
    profile("settings.1", "");
    EXPECT_EQ(load(), QStringList{"Standard"});
    m_selection->confirm("Standard");
    EXPECT_EQ(m_state.profile_number, "1"); // the only profile, though it is empty
}

TEST_F(ProfileSelectionTest, AProgramDirectoryOnAnUnmappedDriveListsNothing) {
    m_drives.settings().put("boot", "dir", "Q:\\Nirgends");
    EXPECT_TRUE(load().isEmpty());
    EXPECT_EQ(m_state.program_dir, "Q:\\Nirgends\\");
    EXPECT_EQ(m_drives.fs().current_directory(), "C:\\");
}

TEST_F(ProfileSelectionTest, ProfileFilesAreReadAndWrittenUnderTheirExactNames) {
    ProfileFiles files(m_drives.fs(), "C:\\Zonderel\\");
    profile("Settings.0", "Fremd\r\n1\r\n");
    profile("General.inf", " 5 \r\n");

    const ProfileSettings fresh = files.read_profile("0", QSizeF(15360, 11520));
    EXPECT_EQ(fresh.flags[0], "0");
    EXPECT_EQ(files.read_general({}).run_counter, std::nullopt);

    GeneralSettings general;
    general.run_counter = 20;
    ProfileSettings written = fresh;
    written.name = "Standard";
    ASSERT_TRUE(files.save_profile("0", written, general));
    EXPECT_EQ(general.run_counter, NumberValue(10));
    EXPECT_EQ(m_drives.content("C:\\Zonderel\\settings.0"), profile_file_bytes(written));
    EXPECT_EQ(m_drives.content("C:\\Zonderel\\general.inf").left(6), " 10 \r\n");
    EXPECT_EQ(m_drives.content("C:\\Zonderel\\Settings.0"), "Fremd\r\n1\r\n");
    EXPECT_EQ(files.read_general({}).run_counter, NumberValue(10));
}

TEST_F(ProfileSelectionTest, AMissingGeneralFileIsWrittenWithAnEmptyCounter) {
    ProfileFiles files(m_drives.fs(), "C:\\Zonderel\\");
    GeneralSettings general = files.read_general({});
    EXPECT_EQ(general.run_counter, std::nullopt);
    ASSERT_TRUE(files.save_general_settings(general));
    EXPECT_EQ(m_drives.content("C:\\Zonderel\\general.inf"), "\r\n\r\n\r\n\r\n\r\n\r\n");

    ASSERT_TRUE(files.save_profile("0", new_profile_settings("Standard", {15360, 11520}), general));
    EXPECT_EQ(m_drives.content("C:\\Zonderel\\general.inf").left(5), " 1 \r\n");
}

} // namespace zr
