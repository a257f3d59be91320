#include "common/german_number.h"

#include <gtest/gtest.h>

namespace zr {

TEST(GermanNumber, WritesTheSignPositionTheDecimalCommaAndATrailingBlank) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {1000, " 1000 "},
        {1220.703125, " 1220,703125 "},
        {0, " 0 "},
        {-2.5, "-2,5 "},
        {1234567.25, " 1234567,25 "},
        {2.0 / 3.0, " ,666666666666667 "},
        {262143999.9, " 262143999,9 "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(german_number_text(c.value), QString::fromLatin1(c.text)) << c.value;
}

} // namespace zr
