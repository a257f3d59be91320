#include "common/display_text.h"

#include <gtest/gtest.h>

namespace zr {

TEST(DisplayText, DotsEveryGroupOfThreeDigits) {
    const struct {
        qint64 value;
        const char* text;
    } cases[] = {{0, "0"},           {999, "999"},           {1000, "1.000"},
                 {1234, "1.234"},    {123456, "123.456"}, {1234567, "1.234.567"},
                 {5'000'000'000LL, "5.000.000.000"}};
    for (const auto& c : cases)
        EXPECT_EQ(dotted_number(c.value), QString::fromLatin1(c.text));
}

TEST(DisplayText, ShortDateAndTimeWithoutSeconds) {
    EXPECT_EQ(date_time_text(QDateTime(QDate(2000, 12, 24), QTime(18, 30, 59))),
              "24.12.2000 18:30");
    EXPECT_EQ(date_time_text(QDateTime(QDate(2026, 3, 4), QTime(8, 5))), "04.03.2026 08:05");
    EXPECT_EQ(date_time_text(QDateTime()), "");
}

} // namespace zr
