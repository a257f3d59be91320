#include "common/ini_settings_store.h"
#include "common/program_directory.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zr {

namespace {

void write_text(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray read_text(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(IniSettingsStore, LivesUnderTheUsersConfigFolder) {
    EXPECT_EQ(default_settings_file_path(),
              qEnvironmentVariable("XDG_CONFIG_HOME") + "/Zonderel/Zonderel 4.1.ini");
}

TEST(IniSettingsStore, ReadsAHandWrittenFileWithValuesTakenWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Zonderel 4.1.ini");
    write_text(path, "; by hand\r\n[Boot]\r\ndir=C:\\Programme\\Zonderel\\\r\n"
                     "[proxy]\nproxy = host,with,commas \"quoted\"\n");
    const IniSettingsStore store(path);
    EXPECT_EQ(store.get("boot", "DIR"), "C:\\Programme\\Zonderel\\");
    EXPECT_EQ(store.get("proxy", "proxy"), " host,with,commas \"quoted\"");
    EXPECT_EQ(store.get("proxy", "remoteport", "80"), "80");
    EXPECT_EQ(store.get("themes", "current", "standard"), "standard");
    EXPECT_EQ(store.keys("PROXY"), QStringList{"proxy"});
}

TEST(IniSettingsStore, PutKeepsOtherLinesAndEveryStoreSeesIt) {
    QTemporaryDir dir;
    const QString path = dir.filePath("sub/Zonderel 4.1.ini");
    IniSettingsStore writer(path);
    const IniSettingsStore reader(path);
    EXPECT_EQ(reader.get("boot", "dir", "none"), "none");

    ASSERT_TRUE(writer.put("boot", "dir", "D:\\Daten\\"));
    ASSERT_TRUE(writer.put("proxy", "setting", "3"));
    ASSERT_TRUE(writer.put("Boot", "windir", "C:\\Windows"));
    ASSERT_TRUE(writer.put("BOOT", "Dir", "E:\\"));
    EXPECT_EQ(reader.get("boot", "dir"), "E:\\");
    EXPECT_EQ(reader.get("boot", "windir"), "C:\\Windows");
    EXPECT_EQ(reader.get("proxy", "setting"), "3");
    EXPECT_EQ(read_text(path), "[boot]\ndir=E:\\\nwindir=C:\\Windows\n\n[proxy]\nsetting=3\n");

    // A value that would break the file's lines is refused, and the file stays as it was.
    EXPECT_FALSE(writer.put("boot", "dir", "a\nb"));
    EXPECT_EQ(reader.get("boot", "dir"), "E:\\");
}

TEST(IniSettingsStore, AnUnreadableOrGarbledFileGivesTheDefaults) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Zonderel 4.1.ini");
    static const char garbage[] = "\x00\xff\xfe garbage ]]] [[[ =\n=x\n[boot\ndir";
    write_text(path, QByteArray(garbage, sizeof garbage - 1));
    IniSettingsStore store(path);
    EXPECT_EQ(store.get("boot", "dir", "fallback"), "fallback");
    ASSERT_TRUE(store.put("boot", "dir", "C:\\"));
    EXPECT_EQ(store.get("boot", "dir"), "C:\\");

    const IniSettingsStore folder_instead(dir.path());
    EXPECT_EQ(folder_instead.get("boot", "dir", "x"), "x");
}

TEST(ProgramDirectory, AlwaysEndsInABackslash) {
    QTemporaryDir dir;
    IniSettingsStore store(dir.filePath("s.ini"));
    EXPECT_EQ(program_directory(store, "C:\\"), "C:\\");
    EXPECT_EQ(program_directory(store, "C:\\Start"), "C:\\Start\\");
    ASSERT_TRUE(store.put("boot", "dir", "C:\\Programme\\X"));
    EXPECT_EQ(program_directory(store, "C:\\Start"), "C:\\Programme\\X\\");
    ASSERT_TRUE(store.put("boot", "dir", "C:\\Programme\\X\\"));
    EXPECT_EQ(program_directory(store, "C:\\Start"), "C:\\Programme\\X\\");
}

} // namespace zr
