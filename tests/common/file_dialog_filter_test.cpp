#include "common/file_dialog_filter.h"

#include <gtest/gtest.h>

namespace zr {

TEST(FileDialogFilter, TurnsTheSystemsFilterIntoQtNameFilters) {
    EXPECT_EQ(
        qt_name_filters(QStringLiteral("Textdateien|*.txt|Alle Dateien|*.*")),
        (QStringList{QStringLiteral("Textdateien (*.txt)"), QStringLiteral("Alle Dateien (*)")}));
    EXPECT_EQ(qt_name_filters(QStringLiteral("Bilder|*.bmp;*.ico")),
              QStringList{QStringLiteral("Bilder (*.bmp *.ico)")});
    EXPECT_TRUE(qt_name_filters(QString()).isEmpty());
}

} // namespace zr
