#include "main/panes/entry_classification.h"
#include "main/panes/registered_types.h"

#include <gtest/gtest.h>

namespace zr {

namespace {

struct ClassCase {
    const char* name;
    QList<RegisteredType> types;
    const char* description; // UTF-8
    const char* image_key;
};

void PrintTo(const ClassCase& c, std::ostream* os) {
    *os << c.name << " with " << c.types.size() << " types";
}

class ClassifyEntry : public ::testing::TestWithParam<ClassCase> {};

const QList<RegisteredType> none;

} // namespace

TEST_P(ClassifyEntry, GivesDescriptionAndImageKey) {
    const ClassCase& c = GetParam();
    RegisteredTypes types;
    for (const RegisteredType& type : c.types)
        ASSERT_TRUE(types.append(type));
    const EntryClassification got = classify_entry(QString::fromUtf8(c.name), types);
    EXPECT_EQ(got.description, QString::fromUtf8(c.description));
    EXPECT_EQ(got.image_key, QString::fromUtf8(c.image_key));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ClassifyEntry,
    ::testing::Values(
        ClassCase{"AUTOEXEC.BAT", none, "Stapelverarbeitungsdatei", "app"},
        ClassCase{"command.com", none, "DOS-Anwendung", "app"},
        ClassCase{"zrmain.exe", none, "Anwendung", "app"},
        ClassCase{"dos.pif", none, "PIF-Datei", "app"},
        ClassCase{"bild.bmp", none, "Windows Bitmap", "bmp"},
        ClassCase{"logo.rle", none, "RLE-Datei", "bmp"}, ClassCase{"a.dib", none, "Bitmap", "bmp"},
        ClassCase{"anim.GIF", none, "GIF-Datei", "bmp"},
        ClassCase{"foto.jpg", none, "JPEG-Datei", "bmp"},
        ClassCase{"x.jpeg", none, "JPEG-Datei", "bmp"},
        ClassCase{"brief.txt", none, "Textdatei", "txt"},
        ClassCase{"film.avi", none, "Windows Video-Datei", "wav"},
        ClassCase{"ton.wav", none, "Waveaudio-Datei", "wav"},
        ClassCase{"index.htm", none, "HTML-Datei", "htm"},
        ClassCase{"report.HTML", none, "HTML-Datei", "htm"},
        ClassCase{"doku.rtf", none, "Richtext-Dokument", "txt"},
        ClassCase{"liesmich", none, "unbekannt", "Datei"},
        ClassCase{"archiv.zip", none, "unbekannt", "Datei"},
        ClassCase{"bat", none, "unbekannt", "Datei"},
        ClassCase{"x.jpegx", none, "unbekannt", "Datei"},
        ClassCase{
            "brief.doc", {{".doc", "Word-Dokument", "auto_word"}}, "Word-Dokument", "auto_word"},
        ClassCase{
            "BRIEF.DOC", {{".doc", "Word-Dokument", "auto_word"}}, "Word-Dokument", "auto_word"},
        ClassCase{"brief.txt", {{".txt", "Notiz", ""}}, "Notiz", "txt"},
        ClassCase{"brief.txt", {{".txt", "Notiz", "i20"}}, "Notiz", "i20"},
        ClassCase{"dataatxt", {{"txt", "Ohne Punkt", "i15"}}, "Ohne Punkt", "i15"},
        ClassCase{"brief.txt", {{"", "Alles", "Favoriten"}}, "Alles", "Favoriten"},
        ClassCase{"liesmich", {{"", "Alles", ""}}, "Alles", "Datei"},
        ClassCase{"lied.mp3",
                  {{".wav", "Klang", "wav"}, {".mp3", "MP3-Datei", "mp3"}, {"", "Rest", "i55"}},
                  "MP3-Datei",
                  "mp3"},
        ClassCase{"a.xyz", {{".doc", "Word-Dokument", "auto_word"}}, "unbekannt", "Datei"},
        ClassCase{"c", {{".doc", "Word-Dokument", "auto_word"}}, "unbekannt", "Datei"}));

TEST(RegisteredTypes, TakesAtMostTheTableCapacity) {
    RegisteredTypes types;
    for (qsizetype i = 0; i < RegisteredTypes::capacity; ++i)
        ASSERT_TRUE(types.append({QStringLiteral(".e%1").arg(i), QString::number(i), {}}));
    EXPECT_FALSE(types.append({QStringLiteral(".spaet"), QStringLiteral("spaet"), {}}));
    EXPECT_EQ(types.size(), RegisteredTypes::capacity);
    EXPECT_EQ(types.match(QStringLiteral("a.spaet")), nullptr);
}

} // namespace zr
