#include "common/battery_source.h"
#include "common/list_order.h"
#include "common/sorted_list.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zr {

TEST(SortedList, KeepsListOrderWhateverTheOrderOfInsertion) {
    SortedList list;
    for (const char* name : {"zeta", "Beta", "..", "_intern", "alpha", "Ärger", "10", "ALPHA",
                             "Straße", "strasse2", "~tmp"})
        list.add(QString::fromUtf8(name));
    EXPECT_EQ(list.items(), (QStringList{"..", "_intern", "~tmp", "10", "ALPHA", "alpha",
                                         QString::fromUtf8("Ärger"), "Beta",
                                         QString::fromUtf8("Straße"), "strasse2", "zeta"}));
    EXPECT_EQ(list.at(0), "..");
    EXPECT_TRUE(list.contains("Beta"));
    EXPECT_FALSE(list.contains("beta")); // membership is exact
    list.clear();
    EXPECT_TRUE(list.is_empty());
    EXPECT_TRUE(list.items().isEmpty());
}

TEST(SortedList, DotDotComesBeforeNamesOfLettersAndDigits) {
    for (const char* name : {"0", "a", "A", "Z", "9x"})
        EXPECT_TRUE(list_less("..", QString::fromLatin1(name))) << name;
}

TEST(BatterySource, ReadsTheFirstBatteryAnd255WithoutOne) {
    QTemporaryDir supplies;
    const auto write = [&](const QString& file, const QByteArray& text) {
        QDir().mkpath(QFileInfo(supplies.filePath(file)).absolutePath());
        QFile f(supplies.filePath(file));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    };
    EXPECT_EQ(SysfsBatterySource(supplies.path()).charge_percent(), 255);
    EXPECT_EQ(SysfsBatterySource(supplies.filePath("fehlt")).charge_percent(), 255);
    write("AC/type", "Mains\n");
    write("AC/online", "1\n");
    EXPECT_EQ(SysfsBatterySource(supplies.path()).charge_percent(), 255);
    write("BAT0/type", "Battery\n");
    write("BAT0/capacity", "Quatsch\n");
    EXPECT_EQ(SysfsBatterySource(supplies.path()).charge_percent(), 255);
    write("BAT0/capacity", "42\n");
    EXPECT_EQ(SysfsBatterySource(supplies.path()).charge_percent(), 42);
}

} // namespace zr
