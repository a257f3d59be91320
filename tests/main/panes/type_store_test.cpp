#include "main/panes/type_store.h"

#include "tests/support/temp_drives.h"

#include "common/linux_dos_fs.h"

#include <QDirIterator>
#include <gtest/gtest.h>

namespace zr {

namespace {

const QString program_dir = QStringLiteral("C:\\Zonderel\\");

class TypeStoreTest : public ::testing::Test {
protected:
    void SetUp() override { m_drives.make_folder("C:\\Zonderel"); }

    void type_file(const QString& description, const QByteArray& content) {
        m_drives.make_file(program_dir + description + ".flt", content);
    }
    QByteArray content(const QString& description) const {
        return m_drives.content(program_dir + description + ".flt");
    }
    // Every host path below the drive, to show that nothing was written anywhere.
    QStringList all_files() const {
        QStringList paths;
        QDirIterator it(m_drives.base(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            paths.append(it.next());
        paths.sort();
        return paths;
    }
    TypeStore store() { return TypeStore(m_drives.fs(), program_dir); }

    test::TempDrives m_drives{"C"};
};

QMap<QString, RegisteredType> by_description(const RegisteredTypes& table) {
    QMap<QString, RegisteredType> map;
    for (const RegisteredType& type : table.types())
        map.insert(type.description, type);
    return map;
}

} // namespace

TEST_F(TypeStoreTest, LoadsEveryWellFormedTypeFileOnce) {
    type_file("Word-Dokument", ".doc\r\nC:\\Office\\winword.exe\\\r\nauto_word\r\n");
    type_file(QString::fromUtf8("Notiz für später"), ".txt\r\nC:\\e.exe\\\r\n\r\n");
    type_file("Leer", "");
    type_file("Kurz", ".kz\r\nC:\\k.exe\\\r\n");
    type_file("Lang", ".lg\r\n" + QByteArray(TypeFile::max_line_length + 1, 'p') + "\r\ni15\r\n");
    type_file("Riesig", QByteArray(TypeFile::max_file_size + 10, 'r'));
    m_drives.make_folder("C:\\Zonderel\\Ordner.flt");
    m_drives.make_file("C:\\Zonderel\\settings.1", "Anna\r\n");

    const RegisteredTypes table = store().load_table();
    const QMap<QString, RegisteredType> types = by_description(table);
    EXPECT_EQ(types.keys(), (QStringList{QString::fromUtf8("Notiz für später"), "Word-Dokument"}));
    EXPECT_EQ(types["Word-Dokument"].extension, ".doc");
    EXPECT_EQ(types["Word-Dokument"].icon_key, "auto_word");
    EXPECT_EQ(types[QString::fromUtf8("Notiz für später")].icon_key, "");

    QStringList listed = store().descriptions();
    listed.sort();
    EXPECT_EQ(listed, (QStringList{"Kurz", "Lang", "Leer", QString::fromUtf8("Notiz für später"),
                                   "Riesig", "Word-Dokument"}));
}

TEST_F(TypeStoreTest, OnlyTheFirst1024TypeFilesTakePart) {
    const int files = int(RegisteredTypes::capacity) + 6;
    for (int i = 0; i < files; ++i)
        type_file(QStringLiteral("Typ%1").arg(i),
                  QByteArray(".t") + QByteArray::number(i) + "\r\nC:\\p.exe\\\r\ni15\r\n");
    const QStringList listed = store().descriptions();
    ASSERT_EQ(listed.size(), files);
    const RegisteredTypes table = store().load_table();
    ASSERT_EQ(table.size(), RegisteredTypes::capacity);
    for (qsizetype i = 0; i < table.size(); ++i)
        EXPECT_EQ(table.types()[i].description, listed[i]);
}

TEST_F(TypeStoreTest, RegisterWritesThreeLinesAndOverwrites) {
    ASSERT_TRUE(
        store()
            .register_type(".doc", "Word-Dokument", "C:\\Programme\\Editor\\edit.exe", "Floppy")
            .ok());
    EXPECT_EQ(content("Word-Dokument"), ".doc\r\nC:\\Programme\\Editor\\edit.exe\\\r\nFloppy\r\n");
    ASSERT_TRUE(store().register_type("", "Word-Dokument", "C:\\Office\\", "i20").ok());
    EXPECT_EQ(content("Word-Dokument"), "\r\nC:\\Office\\\r\ni20\r\n");
}

TEST_F(TypeStoreTest, RefusesDescriptionsThatAreNoPlainFileName) {
    m_drives.make_folder("C:\\Zonderel\\sub");
    const QStringList before = all_files();
    for (const char* description :
         {"", "..", "..\\..\\boot", "../x", "sub/x", "sub\\x", "a..b", "C:x", "*", "wer?",
          "\"zitat\"", "<", ">", "a|b", "tab\there", "neu\nzeile"}) {
        SCOPED_TRACE(description);
        const Status status =
            store().register_type(".x", QString::fromUtf8(description), "C:\\p.exe", "i15");
        EXPECT_EQ(status.error(), ErrorCode::bad_file_name);
        EXPECT_EQ(store().remove(QString::fromUtf8(description)).error(), ErrorCode::bad_file_name);
    }
    EXPECT_EQ(all_files(), before);
}

TEST_F(TypeStoreTest, SetIconRewritesTheThirdLineOnly) {
    type_file("Bild", ".pcx\r\nC:\\Malen\\\r\ni15\r\n");
    ASSERT_TRUE(store().set_icon("Bild", "bmp").ok());
    EXPECT_EQ(content("Bild"), ".pcx\r\nC:\\Malen\\\r\nbmp\r\n");
    EXPECT_EQ(store().set_icon("Fehlt", "bmp").error(), ErrorCode::file_not_found);
    type_file("Kaputt", ".k\r\n");
    EXPECT_EQ(store().set_icon("Kaputt", "bmp").error(), ErrorCode::input_past_end);
    EXPECT_EQ(content("Kaputt"), ".k\r\n");
}

TEST_F(TypeStoreTest, RemoveDeletesTheFileAndReportsOneAlreadyGone) {
    type_file("Bild", ".pcx\r\nC:\\Malen\\\r\ni15\r\n");
    ASSERT_TRUE(store().remove("Bild").ok());
    EXPECT_FALSE(m_drives.host_exists(program_dir + "Bild.flt"));
    EXPECT_TRUE(store().descriptions().isEmpty());
    EXPECT_EQ(store().remove("Bild").error(), ErrorCode::file_not_found);
}

} // namespace zr
