#include "main/panes/folder_listing.h"
#include "main/panes/free_space_query.h"
#include "main/panes/listing_target.h"
#include "main/startup/form8.h"
#include "main/startup/program_state.h"

#include "tests/support/fixed_battery.h"
#include "tests/support/recording_launcher.h"
#include "tests/support/scripted_desktop.h"
#include "tests/support/temp_drives.h"

#include "common/file_attributes.h"
#include "common/linux_dos_fs.h"

#include <gtest/gtest.h>

namespace zr {

namespace {

class RecordingTarget final : public ListingTarget {
public:
    QList<PaneItem> items[2];
    QString caption[2];
    QString title;
    QString status;
    int item_writes = 0;

    void set_listing_menu_states() override {}
    void set_pane_items(int pane, QList<PaneItem> new_items) override {
        items[pane] = std::move(new_items);
        ++item_writes;
    }
    void set_pane_caption(int pane, const QString& text) override { caption[pane] = text; }
    void set_window_title(const QString& text) override { title = text; }
    void set_status_text(const QString& text) override { status = text; }

    QStringList names(int pane) const {
        QStringList result;
        for (const PaneItem& item : items[pane])
            result << item.text;
        return result;
    }
    const PaneItem* item(int pane, const QString& name) const {
        for (const PaneItem& it : items[pane])
            if (it.text == name)
                return &it;
        return nullptr;
    }
};

class FolderListingTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_drives.make_folder("C:\\Prog");
        m_state.program_dir = "C:\\Prog\\";
        m_state.profile_flags.fill("0");
    }

    // As the callers do: the target's drive is made current first.
    void list(const QString& target, int pane = 0) {
        if (target.size() >= 2 && target[1] == ':')
            (void)m_drives.fs().change_drive(target[0]);
        m_state.navigate_target = target;
        m_state.active_pane = pane;
        m_state.listing_busy = 1;
        FolderListing(m_state, m_drives.fs(), m_desktop, m_data, m_query, m_target).list_folder();
    }

    test::TempDrives m_drives{"CD"};
    test::ScriptedDesktop m_desktop;
    test::RecordingLauncher m_launcher;
    test::FixedBattery m_battery;
    ProgramState m_state;
    Form8 m_data{m_drives.fs(), m_battery, m_desktop};
    FreeSpaceQuery m_query{m_drives.fs(), m_launcher, m_desktop, "C:\\Prog\\"};
    RecordingTarget m_target;
};

} // namespace

TEST_F(FolderListingTest, ADriveRootListsFoldersFirstWithoutDotDot) {
    m_drives.make_folder("D:\\beta");
    m_drives.make_folder("D:\\Alpha");
    m_drives.make_file({.path = "D:\\zeta.txt",
                        .size = 1000,
                        .modified = QDateTime(QDate(2000, 12, 24), QTime(18, 30, 12))});
    m_drives.make_file({.path = "D:\\a.bin", .size = 999});
    list("D:\\");

    EXPECT_EQ(m_target.names(0), (QStringList{"Alpha", "beta", "a.bin", "zeta.txt"}));
    const PaneItem* folder = m_target.item(0, "Alpha");
    ASSERT_NE(folder, nullptr);
    EXPECT_EQ(folder->type, " Ordner");
    EXPECT_EQ(folder->image_key, "Ordner");
    EXPECT_EQ(folder->size, "");
    const PaneItem* text = m_target.item(0, "zeta.txt");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->size, "1.000");
    EXPECT_EQ(text->type, "Textdatei");
    EXPECT_EQ(text->image_key, "txt");
    EXPECT_EQ(text->modified, "24.12.2000 18:30");
    EXPECT_EQ(m_target.item(0, "a.bin")->size, "999");

    EXPECT_EQ(m_data.Ordner.items(), (QStringList{"Alpha", "beta"}));
    EXPECT_EQ(m_state.pane_folder[0], "D:\\");
    EXPECT_EQ(m_target.caption[0], "D:\\");
    EXPECT_EQ(m_target.title, "Zonderel");
    EXPECT_EQ(m_target.status, "1.999 Bytes in 2 Dateien, 2 Ordner,  0 MB frei");
    EXPECT_EQ(m_state.listing_busy, 0);
    EXPECT_EQ(m_desktop.busy_depth(), 0);
    EXPECT_EQ(m_launcher.command_lines(), QStringList{"C:\\Prog\\zrtask.exe D"});
}

TEST_F(FolderListingTest, ASubFolderStartsWithDotDotAndNamesTheWindow) {
    m_drives.make_folder("C:\\Texte\\Briefe\\Alt");
    m_drives.make_file("C:\\Texte\\Briefe\\report.HTML", "<p>");
    m_drives.make_file("C:\\Texte\\Briefe\\x.jpeg", "");
    list("C:\\Texte\\Briefe", 1);

    EXPECT_EQ(m_target.names(1), (QStringList{"..", "Alt", "report.HTML", "x.jpeg"}));
    EXPECT_EQ(m_target.item(1, "..")->image_key, "Ordner");
    EXPECT_FALSE(m_target.item(1, "..")->modified.isEmpty());
    EXPECT_EQ(m_target.item(1, "report.HTML")->type, "HTML-Datei");
    EXPECT_EQ(m_target.item(1, "report.HTML")->image_key, "htm");
    EXPECT_EQ(m_target.item(1, "x.jpeg")->type, "JPEG-Datei");
    EXPECT_EQ(m_data.Ordner.items(), QStringList{"Alt"});
    EXPECT_EQ(m_target.title, "Briefe - Zonderel");
    EXPECT_EQ(m_state.pane_folder[1], "C:\\Texte\\Briefe\\");
    EXPECT_EQ(m_target.caption[1], "C:\\Texte\\Briefe\\");
    EXPECT_TRUE(m_target.status.endsWith("3 Bytes in 2 Dateien, 1 Ordner,  0 MB frei"))
        << m_target.status.toStdString();
    EXPECT_TRUE(m_target.items[0].isEmpty());
}

TEST_F(FolderListingTest, EmptyFoldersShowDotDotOrTheNoFilesItem) {
    m_drives.make_folder("C:\\Leer");
    list("C:\\Leer");
    EXPECT_EQ(m_target.names(0), QStringList{".."});
    EXPECT_EQ(m_target.status, "0 Bytes in 0 Dateien, 0 Ordner,  0 MB frei");

    list("D:\\");
    ASSERT_EQ(m_target.names(0), QStringList{"Keine Dateien gefunden"});
    EXPECT_EQ(m_target.items[0][0].image_key, "");
}

TEST_F(FolderListingTest, RegisteredTypesOverrideTheBuiltInOnes) {
    m_drives.make_file("C:\\Prog\\Notizen.flt", ".txt\r\nC:\\Editor\\\r\n\r\n");
    m_drives.make_file("C:\\Prog\\Bild.flt", ".png\r\nC:\\Maler\\\r\ni20\r\n");
    m_drives.make_file("C:\\Prog\\Kaputt.flt", ".bin\r\n");
    m_drives.make_file("D:\\a.TXT", "");
    m_drives.make_file("D:\\b.png", "");
    m_drives.make_file("D:\\c.bin", "");
    list("D:\\");
    EXPECT_EQ(m_target.item(0, "a.TXT")->type, "Notizen");
    EXPECT_EQ(m_target.item(0, "a.TXT")->image_key, "txt");
    EXPECT_EQ(m_target.item(0, "b.png")->type, "Bild");
    EXPECT_EQ(m_target.item(0, "b.png")->image_key, "i20");
    EXPECT_EQ(m_target.item(0, "c.bin")->type, "unbekannt");
    EXPECT_EQ(m_target.item(0, "c.bin")->image_key, "Datei");
}

TEST_F(FolderListingTest, HiddenAndSystemEntriesOnlyWithFlagThree) {
    m_drives.make_folder("D:\\.versteckt");
    m_drives.make_file("D:\\.profil", "");
    m_drives.make_file({.path = "D:\\system.dat", .attributes = attr::system});
    m_drives.make_file({.path = "D:\\nurlesen.txt", .attributes = attr::read_only});
    list("D:\\");
    QStringList without = m_target.names(0);
    EXPECT_TRUE(without.contains("nurlesen.txt"));
    EXPECT_FALSE(without.contains(".profil"));
    EXPECT_FALSE(without.contains(".versteckt"));
    EXPECT_FALSE(m_data.Ordner.contains(".versteckt"));

    m_state.profile_flag(3) = "1";
    list("D:\\");
    const QStringList with = m_target.names(0);
    EXPECT_TRUE(with.contains(".profil"));
    EXPECT_TRUE(with.contains(".versteckt"));
    EXPECT_TRUE(m_data.Ordner.contains(".versteckt"));
    if (m_drives.user_xattrs_supported()) {
        EXPECT_FALSE(without.contains("system.dat"));
        EXPECT_TRUE(with.contains("system.dat"));
    }
}

TEST_F(FolderListingTest, ATargetThatCannotBeEnteredListsTheFolderBefore) {
    m_drives.make_folder("C:\\Da");
    m_drives.make_file("C:\\Da\\datei.txt", "x");
    m_drives.make_file("C:\\Da\\keinordner", "x");
    list("C:\\Da");
    list("C:\\Da\\keinordner");
    EXPECT_EQ(m_state.pane_folder[0], "C:\\Da\\");
    EXPECT_EQ(m_target.names(0), (QStringList{"..", "datei.txt", "keinordner"}));
    list("C:\\Gibtsnicht");
    EXPECT_EQ(m_state.pane_folder[0], "C:\\Da\\");
}

TEST(ListingTexts, TitleAndStatusLine) {
    EXPECT_EQ(listing_title("C:\\Texte\\Briefe"), "Briefe - Zonderel");
    EXPECT_EQ(listing_title("C:\\"), "Zonderel");
    EXPECT_EQ(listing_status(1234567, 12, 3, 850),
              "1.234.567 Bytes in 12 Dateien, 3 Ordner,  850 MB frei");
}

} // namespace zr
