#include "common/command_line_text.h"

#include <gtest/gtest.h>

namespace zr {

namespace {

TEST(CommandLineText, SplitsWordsAtBlanksOutsideQuotes) {
    const struct {
        const char* text;
        QStringList words;
    } cases[] = {
        {"a  b", {"a", "b"}},
        {R"("a b" c)", {"a b", "c"}},
        {R"(x"y z"w)", {"xy zw"}},
        {R"(a "" b)", {"a", "", "b"}},
        {"  ", {}},
        {"\"offen bis zum Ende", {"offen bis zum Ende"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(split_words(QString::fromUtf8(c.text)), c.words) << c.text;
}

TEST(CommandLineText, TellsDrivePathsFromWebAddressesAndSwitches) {
    const struct {
        const char* text;
        bool drive_path;
        bool web_address;
    } cases[] = {
        {"C:\\x.txt", true, false},      {"a:", true, false},
        {"Ordner\\x", true, false},      {"/Q", false, false},
        {"-rf", false, false},           {"http://example.de", false, true},
        {"WWW.example.de", false, true}, {"mailto:a@example.de", false, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(is_drive_path(QString::fromUtf8(c.text)), c.drive_path) << c.text;
        EXPECT_EQ(is_web_address(QString::fromUtf8(c.text)), c.web_address) << c.text;
    }
}

TEST(CommandLineText, BaseNameAndProgramExtension) {
    EXPECT_EQ(dos_base_name(QStringLiteral("C:\\a\\FORMAT.COM")), QStringLiteral("FORMAT.COM"));
    EXPECT_EQ(dos_base_name(QStringLiteral("a:x.exe")), QStringLiteral("x.exe"));
    EXPECT_EQ(dos_base_name(QStringLiteral("zrtask.exe")), QStringLiteral("zrtask.exe"));
    EXPECT_EQ(without_program_extension(QStringLiteral("Tool.BAT")), QStringLiteral("Tool"));
    EXPECT_EQ(without_program_extension(QStringLiteral("notes.txt")), QStringLiteral("notes.txt"));
    EXPECT_EQ(without_program_extension(QStringLiteral(".exe")), QStringLiteral(".exe"));
}

} // namespace

} // namespace zr
