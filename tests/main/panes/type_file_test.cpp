#include "main/panes/type_file.h"

#include <gtest/gtest.h>

namespace zr {

namespace {

struct ParseCase {
    const char* label;
    QByteArray bytes;
    ErrorCode error;
    const char* extension;
    const char* program;
    const char* icon_key;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << c.label;
}

class TypeFileParse : public ::testing::TestWithParam<ParseCase> {};

const QByteArray overlong(TypeFile::max_line_length + 1, 'x');
const QByteArray longest(TypeFile::max_line_length, 'x');

} // namespace

TEST_P(TypeFileParse, ReadsThreeLinesOrRefuses) {
    const ParseCase& c = GetParam();
    const Result<TypeFile> got = TypeFile::parse(c.bytes);
    EXPECT_EQ(got.error(), c.error);
    if (c.error != ErrorCode::none)
        return;
    EXPECT_EQ(got->extension, QString::fromLatin1(c.extension));
    EXPECT_EQ(got->program, QString::fromLatin1(c.program));
    EXPECT_EQ(got->icon_key, QString::fromLatin1(c.icon_key));
}

INSTANTIATE_TEST_SUITE_P(
    Table, TypeFileParse,
    ::testing::Values(
        ParseCase{"three lines", ".doc\r\nC:\\Office\\word.exe\\\r\nauto_word\r\n", ErrorCode::none,
                  ".doc", "C:\\Office\\word.exe\\", "auto_word"},
        ParseCase{"empty icon key", ".txt\r\nC:\\e.exe\\\r\n\r\n", ErrorCode::none, ".txt",
                  "C:\\e.exe\\", ""},
        ParseCase{"no last line end", ".a\r\nb\r\ni15", ErrorCode::none, ".a", "b", "i15"},
        ParseCase{"extra lines ignored", ".a\r\nb\r\ni15\r\nmehr\r\n", ErrorCode::none, ".a", "b",
                  "i15"},
        ParseCase{"longest line", longest + "\r\nb\r\nc\r\n", ErrorCode::none, longest.constData(),
                  "b", "c"},
        ParseCase{"empty file", "", ErrorCode::input_past_end, "", "", ""},
        ParseCase{"one line", ".doc\r\n", ErrorCode::input_past_end, "", "", ""},
        ParseCase{"two lines", ".doc\r\nC:\\w.exe\\\r\n", ErrorCode::input_past_end, "", "", ""},
        ParseCase{"overlong line", ".doc\r\n" + overlong + "\r\ni15\r\n",
                  ErrorCode::bad_file_format, "", "", ""},
        ParseCase{"oversized file", QByteArray(TypeFile::max_file_size + 1, '\n'),
                  ErrorCode::bad_file_format, "", "", ""}));

TEST(TypeFile, WritesThreeCodePageLinesWithCrLf) {
    const TypeFile file{QStringLiteral(".müll"), QStringLiteral("C:\\P\\x.exe\\"),
                        QStringLiteral("Floppy")};
    EXPECT_EQ(file.bytes(), QByteArray(".m\xfcll\r\nC:\\P\\x.exe\\\r\nFloppy\r\n"));
    const Result<TypeFile> back = TypeFile::parse(file.bytes());
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back->extension, file.extension);
}

TEST(TypeFile, StoredProgramEndsInOneBackslash) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Programme\\Editor\\edit.exe", "C:\\Programme\\Editor\\edit.exe\\"},
        {"C:\\Programme\\", "C:\\Programme\\"},
        {"", "\\"},
    };
    for (const auto& [typed, stored] : cases)
        EXPECT_EQ(TypeFile::stored_program(QString::fromLatin1(typed)),
                  QString::fromLatin1(stored));
}

} // namespace zr
