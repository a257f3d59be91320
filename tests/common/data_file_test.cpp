#include "common/data_file.h"
#include "common/windows1252.h"

#include <gtest/gtest.h>

namespace zr {

TEST(DataFile, PrintFormOfNumbers) {
    const struct {
        NumberValue value;
        const char* text;
    } cases[] = {
        {1824, " 1824 "},        {-480, "-480 "}, {0, " 0 "},
        {std::nullopt, ""},      {0.5, " .5 "},   {9446.4, " 9446.4 "},
        {15360 * 0.3, " 4608 "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(print_form(c.value), QString::fromLatin1(c.text));
}

TEST(DataFile, ReadsNumbersIgnoringBlanks) {
    bool valid = false;
    EXPECT_EQ(parse_number(" 1824 ", &valid), NumberValue(1824));
    EXPECT_TRUE(valid);
    EXPECT_EQ(parse_number("-480 ", &valid), NumberValue(-480));
    EXPECT_EQ(parse_number("", &valid), std::nullopt);
    EXPECT_TRUE(valid);
    EXPECT_EQ(parse_number("abc", &valid), std::nullopt);
    EXPECT_FALSE(valid);
    EXPECT_EQ(number_or_zero(std::nullopt), 0.0);
}

TEST(DataFile, WritesCodePageLinesWithCrLf) {
    EXPECT_EQ(data_file_bytes({"Müller", "", "€ 5"}), QByteArray("M\xfcller\r\n\r\n\x80 5\r\n"));
}

TEST(DataFile, ReadsWholeLinesAndFieldsTheWaysTheSystemDoes) {
    DataFileReader reader(" 12 \r\n\r\n\"quoted, text\" rest\r\n  a , b\nlast line, whole\rx");
    EXPECT_EQ(reader.next_field(), QString("12"));
    EXPECT_EQ(reader.next_field(), QString(""));
    EXPECT_EQ(reader.next_field(), QString("quoted, text"));
    EXPECT_EQ(reader.next_field(), QString("a"));
    EXPECT_EQ(reader.next_field(), QString("b"));
    EXPECT_EQ(reader.next_line(), QString("last line, whole"));
    EXPECT_EQ(reader.next_line(), QString("x"));
    EXPECT_TRUE(reader.at_end());
    EXPECT_EQ(reader.next_line(), std::nullopt);
    EXPECT_EQ(reader.next_field(), std::nullopt);
}

TEST(Windows1252, EveryByteSurvivesADecodeAndEncode) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    EXPECT_EQ(encode_windows1252(decode_windows1252(all)), all);
    EXPECT_EQ(decode_windows1252("\x80\x9f\xe4"), QString::fromUtf8("€Ÿä"));
}

TEST(Windows1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(encode_windows1252(QString::fromUtf8("a\u4e2db\U0001F600c")), QByteArray("a?b?c"));
    EXPECT_FALSE(fits_windows1252(QString::fromUtf8("\u4e2d")));
    EXPECT_TRUE(fits_windows1252(QString::fromUtf8("Größe €")));
}

TEST(Windows1252, ShiftsWorkOnTheCodePageBytes) {
    EXPECT_EQ(shift_windows1252("abc", 1), "bcd");
    EXPECT_EQ(shift_windows1252("bcd", -1), "abc");
    // ä is 0xE4 in the code page, å 0xE5; € (0x80) goes down to 0x7F.
    EXPECT_EQ(shift_windows1252(QString::fromUtf8("ä"), 1), QString::fromUtf8("å"));
    EXPECT_EQ(shift_windows1252(QString::fromUtf8("€"), -1), QString(QChar(0x7f)));
    // A byte that would leave the code page is dropped, not wrapped.
    EXPECT_EQ(shift_bytes(QByteArray("\xffz", 2), 1), QByteArray("{"));
    EXPECT_EQ(shift_bytes(QByteArray("\x00"
                                     "a",
                                     2),
                          -1),
              QByteArray("`"));
}

} // namespace zr
